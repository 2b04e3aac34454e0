#include "ui/static_label.h"

#include <QPalette>

namespace recbook::ui {

void StyleStaticLabel(QLabel& label) {
  QPalette p = label.palette();
  p.setColor(QPalette::WindowText, QColor(120, 0, 0));
  label.setPalette(p);
  label.setTextFormat(Qt::PlainText);
}

}  // namespace recbook::ui
