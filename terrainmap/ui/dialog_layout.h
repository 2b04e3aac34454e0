#pragma once
// How the library's dialogs are laid out: the dialog font, the title, a fixed size and every
// control's place in dialog units.
#include <QDialog>
#include <string>

#include "ui/dialog_units.h"

namespace terrainmap::ui {

class DialogLayout {
 public:
  DialogLayout(QDialog& dialog, const std::string& title, int widthDu, int heightDu);
  // Puts control at x, y with the given width and height (dialog units) and returns it.
  template <class W>
  W* Put(W* control, int x, int y, int width, int height) const {
    control->setGeometry(du_.Rect(x, y, width, height));
    return control;
  }

 private:
  quorla::ui::DialogUnits du_;
};

}  // namespace terrainmap::ui
