#pragma once
// The map size list of the map window (indexes -1 to 18), the initial size from the service-area
// radius, and the map geometry (an equirectangular map whose scale is true at its centre latitude).
#include <string_view>

namespace terrainmap {

inline constexpr int kFirstMapSize = -1;  // "* 3.1 x 2.2  km": non-interpolated heights
inline constexpr int kLastMapSize = 18;
inline constexpr int kFirstTerritorySize = 16;  // from here on the territory of the terrain files is shown

struct MapSize {
  int index;
  std::string_view label;       // "100 x 70  km"
  std::string_view heightText;  // map height in degrees of latitude, as held: "6.2932095E-1"
};

// nullopt-free: an index outside -1..18 gives the entry of index 9.
const MapSize& MapSizeAt(int index);
// The height in degrees, read from the entry's text.
double MapHeightDegrees(int index);

// R = 0: 9; R < 0: 18 (the whole-region view); else the first index 0..14 whose height in km
// exceeds 2.2 R, or 15.
int InitialMapSizeIndex(int radiusKm);

struct MapBounds {
  double west, south, east, north;  // degrees
  double widthDeg, heightDeg;
};
// The map around (lon, lat) at size index for a map area of widthPx x heightPx pixels.
MapBounds ComputeMapBounds(double lon, double lat, int index, int widthPx, int heightPx);

}  // namespace terrainmap
