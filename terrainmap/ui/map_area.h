#pragma once
// The map area of the map window: shows the map picture and the rubber band, and hands the mouse
// on in its pixels.
#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "windows/map_view.h"

namespace terrainmap::ui {

class MapArea : public QWidget {
 public:
  explicit MapArea(QWidget* parent = nullptr);

  void SetPicture(const QImage& picture);
  const QImage& picture() const { return picture_; }
  void SetRubberBand(std::optional<std::vector<PixelPoint>> outline);

  std::function<void(double x, double y)> onPress, onRelease;
  std::function<void(double x, double y, bool leftDown)> onMove;
  std::function<void(QPoint globalPos)> onRightClick;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
  std::optional<std::vector<PixelPoint>> band_;
};

}  // namespace terrainmap::ui
