#include "entry_application.h"

#include <QApplication>
#include <cstring>

namespace recbook::exports {
namespace {
int argc = 1;
char name[] = "recbook";
char* argv[] = {name, nullptr};
}  // namespace

EntryApplication::EntryApplication() {
  if (!QCoreApplication::instance()) own_ = std::make_unique<QApplication>(argc, argv);
  usable_ = qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

EntryApplication::~EntryApplication() = default;

EntryTexts CopyEntryTexts(const EditorParams& params) {
  EntryTexts t;
  t.caption.assign(params.caption, ::strnlen(params.caption, sizeof params.caption - 1));
  t.language = quorla::LanguageFromByte(params.language);
  t.owner = params.owner == 0 ? nullptr : QWidget::find(static_cast<WId>(params.owner));
  return t;
}

}  // namespace recbook::exports
