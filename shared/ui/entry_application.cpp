#include "ui/entry_application.h"

#include <QApplication>

namespace quorla::ui {
namespace {
int argc = 1;
char name[] = "quorla";
char* argv[] = {name, nullptr};
}  // namespace

EntryApplication::EntryApplication() {
  if (!QCoreApplication::instance()) own_ = std::make_unique<QApplication>(argc, argv);
  usable_ = qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

EntryApplication::~EntryApplication() = default;

QWidget* OwnerWindow(uint32_t handle) {
  return handle == 0 ? nullptr : QWidget::find(static_cast<WId>(handle));
}

uint32_t WindowHandle(const QWidget* window) { return window ? static_cast<uint32_t>(window->winId()) : 0; }

}  // namespace quorla::ui
