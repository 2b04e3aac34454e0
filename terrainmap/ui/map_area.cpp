#include "ui/map_area.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

namespace terrainmap::ui {

MapArea::MapArea(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setMinimumSize(140, 100);
}

void MapArea::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void MapArea::SetRubberBand(std::optional<std::vector<PixelPoint>> outline) {
  band_ = std::move(outline);
  update();
}

void MapArea::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.drawImage(0, 0, picture_);
  if (!band_) return;
  QPolygonF line;
  for (const PixelPoint& pt : *band_) line << QPointF(pt.x, pt.y);
  p.setPen(QPen(Qt::white, 3));
  p.drawPolyline(line);
  p.setPen(QPen(Qt::black, 1, Qt::DashLine));
  p.drawPolyline(line);
}

void MapArea::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::RightButton) {
    if (onRightClick) onRightClick(e->globalPosition().toPoint());
  } else if (e->button() == Qt::LeftButton && onPress) {
    onPress(e->position().x(), e->position().y());
  }
}

void MapArea::mouseMoveEvent(QMouseEvent* e) {
  if (onMove) onMove(e->position().x(), e->position().y(), (e->buttons() & Qt::LeftButton) != 0);
}

void MapArea::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton && onRelease) onRelease(e->position().x(), e->position().y());
}

}  // namespace terrainmap::ui
