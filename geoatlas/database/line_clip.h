#pragma once
// Clipping a map line (lon, lat pairs) to the drawing window for GEOLIW.
#include <span>
#include <vector>

#include "point_in_area.h"

namespace quorla::geoatlas {

// The line as drawn inside box: parts inside are kept exactly, with the crossing points of the
// window edges; a stretch outside is replaced by its path along the window's edge, so one line
// stays one polyline that never leaves the window. Returns false (out empty) when no part of the
// line lies inside the window.
bool ClipLine(std::span<const float> line, const Box& box, std::vector<float>& out);

}  // namespace quorla::geoatlas
