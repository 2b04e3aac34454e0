#pragma once
// In the source data a ring that reaches 180°E stores those points as -180°. Before the arcs
// become lines, such points are moved to +180 where their arc (or, for an arc lying wholly on
// the meridian, the arc next to it in a ring) lies in the eastern hemisphere, so that every
// area is a plain polygon in longitude and latitude.
#include "topology.h"

namespace quorla::geoatlas {

void PlaceAntimeridianPoints(Topology& topology);

}  // namespace quorla::geoatlas
