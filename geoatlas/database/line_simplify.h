#pragma once
// Douglas-Peucker simplification of a map line: keeps the points that deviate more than the
// tolerance (radians, planar in lon/lat) from the chord of their stretch; the end points stay.
#include <vector>

namespace quorla::geoatlas {

void SimplifyLine(std::vector<float>& line, double tolerance);

}  // namespace quorla::geoatlas
