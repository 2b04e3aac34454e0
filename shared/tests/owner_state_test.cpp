#include <gtest/gtest.h>

#include <QApplication>

#include "ui/owner_state.h"

// Minimising a window minimises its owner; restoring it restores the owner; no owner, no effect.
TEST(CarryOwnerState, OwnerFollowsMinimiseAndRestore) {
  static int argc = 1;
  static char name[] = "owner_state_test";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  QWidget owner, window;
  owner.show();
  window.show();
  const QEvent change(QEvent::WindowStateChange);
  window.setWindowState(Qt::WindowMinimized);
  quorla::ui::CarryOwnerState(window, &owner, change);
  EXPECT_TRUE(owner.isMinimized());
  quorla::ui::CarryOwnerState(window, &owner, QEvent(QEvent::Show));  // other events change nothing
  EXPECT_TRUE(owner.isMinimized());
  window.setWindowState(Qt::WindowNoState);
  quorla::ui::CarryOwnerState(window, &owner, change);
  EXPECT_FALSE(owner.isMinimized());
  window.setWindowState(Qt::WindowMinimized);
  quorla::ui::CarryOwnerState(window, nullptr, change);
  EXPECT_FALSE(owner.isMinimized());
}
