#include "ui/editor_icon.h"

#include <QtGlobal>

// The resources of a static library are registered by hand before their first use.
static void InitRadpatternResources() { Q_INIT_RESOURCE(radpattern); }

namespace radpattern::ui {

QIcon EditorIcon() {
  static const bool registered = (InitRadpatternResources(), true);
  (void)registered;
  return QIcon(":/radpattern/qrl4.png");
}

}  // namespace radpattern::ui
