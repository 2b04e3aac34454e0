#pragma once
// A modal window that takes its owner along: minimising it minimises the owner, restoring it
// restores the owner. Called from the window's changeEvent.
#include <QEvent>
#include <QWidget>

namespace quorla::ui {

void CarryOwnerState(const QWidget& window, QWidget* owner, const QEvent& event);

}  // namespace quorla::ui
