#pragma once
// What every exported entry point does before it shows a window: a QApplication for the call
// when the caller has none, and the caller's window found from the handle in its block.
#include <QWidget>
#include <cstdint>
#include <memory>

class QApplication;

namespace quorla::ui {

// Creates the QApplication for the call when none exists; false when another kind of
// application object is running (no window can be shown then).
class EntryApplication {
 public:
  EntryApplication();
  ~EntryApplication();
  bool usable() const { return usable_; }

 private:
  std::unique_ptr<QApplication> own_;
  bool usable_ = false;
};

// The caller's window from the 32-bit handle of a parameter block; nullptr for 0 or an unknown one.
QWidget* OwnerWindow(uint32_t handle);
// The handle a window puts into a parameter block for the windows it opens (0 for none).
uint32_t WindowHandle(const QWidget* window);

}  // namespace quorla::ui
