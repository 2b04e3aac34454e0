#include "polar_geometry.h"

#include <cmath>

namespace radpattern {

std::optional<int> PolarAngleAt(const PolarGeometry& g, quorla::LogicalPoint p) {
  const double dx = p.x - g.centre.x;
  const double dy = g.centre.y - p.y;  // y grows downward on the surface
  if (std::sqrt(dx * dx + dy * dy) >= 1.05 * g.radius) return std::nullopt;
  const double toDegrees = 180.0 / std::acos(-1.0);
  double angle;
  if (dy == 0.0) {
    angle = dx > 0.0 ? 90.0 : 270.0;
  } else {
    angle = std::atan(dx / dy) * toDegrees;
    if (dy < 0.0) angle += 180.0;
    else if (angle < 0.0) angle += 360.0;
  }
  const int whole = static_cast<int>(std::lround(angle));
  return whole == 360 ? 0 : whole;
}

}  // namespace radpattern
