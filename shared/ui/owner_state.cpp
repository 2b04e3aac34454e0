#include "ui/owner_state.h"

namespace quorla::ui {

void CarryOwnerState(const QWidget& window, QWidget* owner, const QEvent& event) {
  if (event.type() != QEvent::WindowStateChange || !owner) return;
  if (window.isMinimized())
    owner->showMinimized();
  else if (owner->isMinimized())
    owner->showNormal();
}

}  // namespace quorla::ui
