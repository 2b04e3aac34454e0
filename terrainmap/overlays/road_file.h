#pragma once
// Road and town-contour files ".bd": line records of a 4-byte header (point count n, unsigned
// 16-bit little-endian, in its first two bytes; n = 0 ends the file), a bounding box of four
// unsigned 16-bit values (west, south, east, north) and n points (longitude, latitude). A value v
// is v/5000 + 11 degrees of longitude or v/5000 + 46 degrees of latitude.
#include <iosfwd>
#include <string>
#include <vector>

#include "input_file.h"

#include "overlays/border_lines.h"

namespace terrainmap {

struct MapArea {
  double west, south, east, north;  // degrees
};

inline double RoadLongitude(unsigned v) { return v / 5000.0 + 11; }
inline double RoadLatitude(unsigned v) { return v / 5000.0 + 46; }

// The lines whose box meets the map; a record outside is passed over without reading its points.
// A truncated record ends the reading.
std::vector<Polyline> ReadRoadLines(std::istream& in, const MapArea& map);
quorla::InputStatus ReadRoadFile(const std::string& path, const MapArea& map, std::vector<Polyline>& lines);

}  // namespace terrainmap
