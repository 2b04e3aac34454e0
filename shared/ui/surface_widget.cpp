#include "ui/surface_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace quorla::ui {

SurfaceWidget::SurfaceWidget(QWidget* parent)
    : QWidget(parent), surface_(std::make_unique<QtDrawingSurface>(1, 1, 1.0)) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

bool SurfaceWidget::FitSurface() {
  const double ratio = devicePixelRatioF();
  const int w = static_cast<int>(std::lround(width() * ratio));
  const int h = static_cast<int>(std::lround(height() * ratio));
  if (w == surface_->PixelWidth() && h == surface_->PixelHeight()) return false;
  surface_->Resize(w, h, ratio);
  return true;
}

void SurfaceWidget::Redraw() {
  FitSurface();
  if (redraw_) redraw_(*surface_);
  update();
}

void SurfaceWidget::paintEvent(QPaintEvent*) {
  if (FitSurface() && redraw_) redraw_(*surface_);
  QImage image = surface_->image();
  image.setDevicePixelRatio(devicePixelRatioF());  // one image pixel on one device pixel
  QPainter p(this);
  p.drawImage(QPointF(0, 0), image);
  if (const auto& band = surface_->rubberBand(); band && band->size() > 1) {
    QPolygonF poly;
    for (const LogicalPoint& pt : *band) poly << surface_->ToPixels(pt) / devicePixelRatioF();
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawPolyline(poly);
  }
}

void SurfaceWidget::resizeEvent(QResizeEvent*) { update(); }

LogicalPoint SurfaceWidget::Logical(const QPointF& widgetPos) const {
  const double ratio = devicePixelRatioF();
  return surface_->ToLogical(static_cast<int>(widgetPos.x() * ratio), static_cast<int>(widgetPos.y() * ratio));
}

void SurfaceWidget::mouseMoveEvent(QMouseEvent* event) {
  if (over_) over_(Logical(event->position()));
}

void SurfaceWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && click_) click_(Logical(event->position()));
}

void SurfaceWidget::leaveEvent(QEvent*) {
  if (over_) over_(std::nullopt);
}

}  // namespace quorla::ui
