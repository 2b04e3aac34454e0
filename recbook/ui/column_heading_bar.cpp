#include "ui/column_heading_bar.h"

#include <QPainter>
#include <QScrollBar>

#include "ui/dialog_units.h"
#include "ui/record_list_view.h"

namespace recbook::ui {

ColumnHeadingBar::ColumnHeadingBar(RecordListView& list, QWidget* parent) : QWidget(parent), list_(list) {
  setFont(quorla::ui::ListFont());
  setFixedHeight(fontMetrics().height() + 2);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);  // never widens the window
  QPalette p = palette();
  p.setColor(QPalette::WindowText, QColor(120, 0, 0));
  setPalette(p);
  connect(list_.horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { update(); });
}

void ColumnHeadingBar::SetText(const QString& text) {
  text_ = text;
  update();
}

int ColumnHeadingBar::TextLeft() const {
  const QPoint origin = list_.viewport()->mapTo(window(), QPoint(list_.TextLeft(), 0));
  return origin.x() - mapTo(window(), QPoint(0, 0)).x();
}

void ColumnHeadingBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(QPoint(TextLeft(), fontMetrics().ascent() + 1), text_);
}

}  // namespace recbook::ui
