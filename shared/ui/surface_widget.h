#pragma once
// A widget that shows a drawing surface's kept picture and repaints from it. The picture has
// the widget's device pixels; when the size or the pixel ratio changes the picture is made anew
// and the owner is asked to draw it again. Mouse positions are handed on in logical units.
#include <QWidget>
#include <functional>
#include <memory>

#include "ui/qt_drawing_surface.h"

namespace quorla::ui {

class SurfaceWidget : public QWidget {
 public:
  explicit SurfaceWidget(QWidget* parent = nullptr);

  QtDrawingSurface& surface() { return *surface_; }
  // Called after a new picture was made (first show, resize, other screen): draw it completely.
  void OnRedraw(std::function<void(DrawingSurface&)> redraw) { redraw_ = std::move(redraw); }
  // The cursor over the picture (nothing when it left), and left clicks, in logical units.
  void OnMouseOver(std::function<void(std::optional<LogicalPoint>)> over) { over_ = std::move(over); }
  void OnLeftClick(std::function<void(LogicalPoint)> click) { click_ = std::move(click); }

  // Redraws the whole picture through the redraw callback and shows it.
  void Redraw();
  // Shows the kept picture again after drawing into it outside Redraw.
  void Refresh() { update(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  bool FitSurface();  // true when a new picture was made
  LogicalPoint Logical(const QPointF& widgetPos) const;

  std::unique_ptr<QtDrawingSurface> surface_;
  std::function<void(DrawingSurface&)> redraw_;
  std::function<void(std::optional<LogicalPoint>)> over_;
  std::function<void(LogicalPoint)> click_;
};

}  // namespace quorla::ui
