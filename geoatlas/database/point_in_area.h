#pragma once
// Clipping a closed outline to a window and the point-in-area test by summed azimuth changes.
#include <span>
#include <vector>

namespace quorla::geoatlas {

struct Box {
  double west = 0, south = 0, east = 0, north = 0;
};

// Sutherland-Hodgman clip of a closed outline (lon, lat pairs) to box into out. For every position
// inside the box the clipped outline winds around it exactly as the original does.
void ClipOutline(std::span<const float> outline, const Box& box, std::vector<float>& out);

// Whether the closed outline contains the position: the outline is clipped to a window of
// halfSize around it, and the changes of the whole-degree azimuth from the position to the
// remaining points are summed, each folded into -179..+179. A change of exactly 180 puts the
// position on the outline, which counts as inside; a total of 0 is outside.
bool OutlineContains(std::span<const float> outline, double lon, double lat, double halfSize,
                     std::vector<float>& scratch);

}  // namespace quorla::geoatlas
