#include "drawing_surface.h"

#include <algorithm>
#include <cmath>

namespace quorla {

LogicalPoint PointAtClockAngle(LogicalPoint from, double angleDeg, double length) {
  const double a = angleDeg * (std::acos(-1.0) / 180.0);
  return {from.x + length * std::sin(a), from.y - length * std::cos(a)};  // y grows downward
}

double DrawingSurface::UnitsPerPixel() const {
  const int larger = std::max(PixelWidth(), PixelHeight());
  return larger > 0 ? 1000.0 / larger : 1.0;
}

double DrawingSurface::LogicalWidth() const { return PixelWidth() * UnitsPerPixel(); }
double DrawingSurface::LogicalHeight() const { return PixelHeight() * UnitsPerPixel(); }

LogicalPoint DrawingSurface::ToLogical(int px, int py) const {
  const double u = UnitsPerPixel();
  return {(px + 0.5) * u, (py + 0.5) * u};  // the centre of the pixel
}

void DrawingSurface::LineTo(double x, double y) {
  DrawLineSegment(current_, {x, y});
  current_ = {x, y};
}

void DrawingSurface::Line(double x1, double y1, double x2, double y2) {
  DrawLineSegment({x1, y1}, {x2, y2});
  current_ = {x2, y2};
}

void DrawingSurface::Rect(double x2, double y2) { DrawRectangle(current_, {x2, y2}); }

void DrawingSurface::Circle(double radius) { DrawEllipse(current_, radius); }

void DrawingSurface::Ray(double clockAngleDeg, double length) {
  DrawLineSegment(current_, PointAtClockAngle(current_, clockAngleDeg, length));
}

void DrawingSurface::TextRow(std::string_view text, TextAlign align) { DrawText(current_, text, align); }

}  // namespace quorla
