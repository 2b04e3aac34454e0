#pragma once
// Where a polar graph lies on a page, and the mouse mapping back to a clock angle.
#include <optional>

#include "drawing_surface.h"

namespace radpattern {

struct PolarGeometry {
  quorla::LogicalPoint centre;
  double radius = 0.0;  // the outer circle, E = 1
};

// The whole-degree clock angle (0 up, clockwise) of a position, or nothing when it lies 1.05 R
// or more from the centre.
std::optional<int> PolarAngleAt(const PolarGeometry& g, quorla::LogicalPoint p);

// The point of a curve at a clock angle with field ratio e (1 on the outer circle).
inline quorla::LogicalPoint CurvePoint(const PolarGeometry& g, double clockAngle, double e) {
  return quorla::PointAtClockAngle(g.centre, clockAngle, e * g.radius);
}

}  // namespace radpattern
