#pragma once
// Writes a terrain directory of HCM-TOPO tiles with a synthetic relief, for the demo and tests.
// The tiles have the exact layout the lookups read (terrain_tile.h): one folder per longitude
// ("E015"), one file per latitude ("E015N49.33E" below 50N with 3" columns, "E015N50.63E" with
// 6" columns), 144 block records, and 1024 zero bytes after them below 50N.
#include <string>

namespace terrainmap {

// Whole degrees; the tiles cover west <= lon < east, south <= lat < north.
struct TerrainArea {
  int west = 0, south = 0, east = 0, north = 0;
};

enum class GenerateStatus { Ok, BadArea, WriteFailed };

// The area must lie in 180W..180E, 0..90N (only northern tiles are ever looked up) and hold at
// most kMaxGeneratedTiles tiles.
inline constexpr int kMaxGeneratedTiles = 400;
GenerateStatus GenerateTerrainTiles(const std::string& dir, const TerrainArea& area);

// The relief: metres, 0 for sea level, a function of the position only so that the repeated
// edge samples of neighbouring blocks and tiles agree.
int SyntheticHeight(double lon, double lat);

}  // namespace terrainmap
