#include "ui/path_field.h"

#include "ui/static_label.h"

namespace recbook::ui {

PathField::PathField(QWidget* parent) : QLabel(parent) {
  StyleStaticLabel(*this);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

void PathField::SetFullText(const QString& text) {
  full_ = text;
  setToolTip(text);
  Elide();
}

void PathField::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Elide();
}

void PathField::Elide() { setText(fontMetrics().elidedText(full_, Qt::ElideMiddle, std::max(width(), 1))); }

}  // namespace recbook::ui
