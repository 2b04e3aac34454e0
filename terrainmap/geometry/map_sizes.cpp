#include "geometry/map_sizes.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace terrainmap {
namespace {

constexpr MapSize kSizes[] = {
    {-1, "* 3.1 x 2.2  km", "1.9778659E-2"}, {0, "  3.1 x 2.2  km", "1.9778659E-2"},
    {1, "  4.5 x 3.2  km", "2.8768958E-2"},  {2, "  6.4 x 4.6  km", "4.1355377E-2"},
    {3, "  10 x 7  km", "6.2932095E-2"},     {4, "  14 x 10  km", "8.9902993E-2"},
    {5, "  21 x 15  km", "1.3485449E-1"},    {6, "  31 x 22  km", "1.9778659E-1"},
    {7, "  45 x 32  km", "2.8768958E-1"},    {8, "  64 x 46  km", "4.1355377E-1"},
    {9, "100 x 70  km", "6.2932095E-1"},     {10, "140 x 100  km", "8.9902993E-1"},
    {11, "210 x 150  km", "1.3485449"},      {12, "310 x 220  km", "1.9778659"},
    {13, "450 x 320  km", "2.8768958"},      {14, "640 x 460  km", "4.1355377"},
    {15, "1000 x 700  km", "6.2932095"},     {16, "2000 x 1400 km", "12.586419"},
    {17, "3500 x 2500 km", "22.026234"},     {18, "6000 x 4200 km", "37.759257"},
};

constexpr double kHeightsKm[] = {2.2, 3.2, 4.6, 7, 10, 15, 22, 32, 46, 70, 100, 150, 220, 320, 460};

}  // namespace

const MapSize& MapSizeAt(int index) {
  if (index < kFirstMapSize || index > kLastMapSize) index = 9;
  return kSizes[index + 1];
}

double MapHeightDegrees(int index) { return std::strtod(std::string(MapSizeAt(index).heightText).c_str(), nullptr); }

int InitialMapSizeIndex(int radiusKm) {
  if (radiusKm == 0) return 9;
  if (radiusKm < 0) return 18;
  const double t = 2.2 * radiusKm;
  for (int i = 0; i < 15; ++i)
    if (kHeightsKm[i] > t) return i;
  return 15;
}

MapBounds ComputeMapBounds(double lon, double lat, int index, int widthPx, int heightPx) {
  MapBounds b{};
  b.heightDeg = MapHeightDegrees(index);
  const double aspect = heightPx > 0 ? static_cast<double>(widthPx) / heightPx : 1.4;
  b.widthDeg = aspect * b.heightDeg / std::cos(lat * std::atan(1.0) / 45);
  b.west = lon - b.widthDeg / 2;
  b.east = lon + b.widthDeg / 2;
  b.south = lat - b.heightDeg / 2;
  b.north = lat + b.heightDeg / 2;
  return b;
}

}  // namespace terrainmap
