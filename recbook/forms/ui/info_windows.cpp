#include "forms/ui/info_windows.h"

#include "forms/ui/explanation_dialog.h"

namespace recbook::ui {
namespace {

struct InfoWindow {
  InfoDialog kind;
  InfoWindowOpener open;
};
constexpr InfoWindow kInfoWindows[] = {
    {InfoDialog::Explanation, OpenExplanation},
    {InfoDialog::ReferenceLayout, OpenExplanation},
};

}  // namespace

InfoWindowOpener InfoWindowFor(InfoDialog kind) {
  for (const InfoWindow& w : kInfoWindows)
    if (w.kind == kind) return w.open;
  return nullptr;
}

}  // namespace recbook::ui
