#include "ui/page_frame.h"

#include <QPalette>

namespace recbook::ui {

void PageFrame::Place(QWidget* child, const QRect& rect) {
  placed_.emplace_back(child, rect);
  child->setGeometry(rect);
}

void PageFrame::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  for (auto& [child, rect] : placed_) {
    QRect r = rect;
    if (r.bottom() >= height() - 2) r.setBottom(height() - 3);
    child->setGeometry(r);
  }
}

void StyleStaticLabel(QLabel& label) {
  QPalette p = label.palette();
  p.setColor(QPalette::WindowText, QColor(120, 0, 0));
  label.setPalette(p);
  label.setTextFormat(Qt::PlainText);
}

}  // namespace recbook::ui
