#pragma once
// The map area in pixels over its geographic bounds: x = (lon - west) W / width°,
// y = (1 - (lat - south) / height°) H, and back.
#include "geometry/map_sizes.h"

namespace terrainmap {

struct MapFrame {
  MapBounds bounds{};
  int widthPx = 0, heightPx = 0;

  double X(double lon) const { return (lon - bounds.west) * widthPx / bounds.widthDeg; }
  double Y(double lat) const { return (1 - (lat - bounds.south) / bounds.heightDeg) * heightPx; }
  double Lon(double x) const { return bounds.west + x * bounds.widthDeg / widthPx; }
  double Lat(double y) const { return bounds.south + (1 - y / heightPx) * bounds.heightDeg; }
};

inline MapFrame MakeMapFrame(double lon, double lat, int sizeIndex, int widthPx, int heightPx) {
  return {ComputeMapBounds(lon, lat, sizeIndex, widthPx, heightPx), widthPx, heightPx};
}

}  // namespace terrainmap
