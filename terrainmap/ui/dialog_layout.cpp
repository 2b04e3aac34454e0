#include "ui/dialog_layout.h"

#include "ui/qt_text.h"

namespace terrainmap::ui {
namespace {
const QFont& WithDialogFont(QDialog& dialog) {
  dialog.setFont(quorla::ui::DialogFont());
  return dialog.font();
}
}  // namespace

DialogLayout::DialogLayout(QDialog& dialog, const std::string& title, int widthDu, int heightDu)
    : du_(WithDialogFont(dialog)) {
  dialog.setWindowTitle(quorla::ui::Q(title));
  dialog.setFixedSize(du_.X(widthDu), du_.Y(heightDu));
}

}  // namespace terrainmap::ui
