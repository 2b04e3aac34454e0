#pragma once
// The single-point terrain lookup (mouse position, marker height, automatic correction of [4Z]).
//
//   quorla::SetTerrainDirectory("/data/topo");          // terrain_settings.h
//   float h = quorla::PointAltitude(15.25, 49.5);       // metres, or -9999 (kNoHeight)
//   quorla::PointAltitude(-999, 0);                     // reset: close the file, forget all
//
// It reads the tile files of TerrainDirectory() (HCM-TOPO, terrain_tile.h), interpolated unless
// NonInterpolatedHeights() is set. It keeps the last block read, so successive points in one
// block read nothing from disk, and remembers a missing tile until the reset or a change of the
// directory. Not thread-safe: one thread (the window thread) uses it; the map drawing has its own
// bulk lookup.
#include "terrain_settings.h"
#include "terrain_tile.h"

namespace quorla {

// Height in metres at (lon, lat) in WGS-84 degrees; kNoHeight (-9999) south of the equator, for a
// missing or too short tile, or a missing directory. lon below -900 resets the lookup.
float PointAltitude(double lon, double lat);

}  // namespace quorla
