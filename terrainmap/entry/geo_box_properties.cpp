#include "entry/geo_box_properties.h"

#include <cmath>

#include "lenient_number.h"

namespace terrainmap {
namespace {

int Number(std::string_view text, size_t at, int lowest, int highest) {
  if (at >= text.size()) return 0;
  const double v = quorla::LenientNumber(text.substr(at, 2));
  const int n = static_cast<int>(v);
  return (v == n && n >= lowest && n <= highest) ? n : 0;
}

std::string SignDigit(int v) { return (v < 0 ? "-" : " ") + std::to_string(v < 0 ? -v : v); }

}  // namespace

GeoBoxProperties ParseGeoBoxProperties(std::string_view text) {
  GeoBoxProperties p;
  p.lonStart = Number(text, 0, -1, 1);
  p.lonSkip = Number(text, 3, 0, 1);
  p.latStart = Number(text, 6, 0, 1);
  p.latSkip = Number(text, 9, 0, 1);
  return p;
}

std::string FormatGeoBoxProperties(const GeoBoxProperties& p) {
  return SignDigit(p.lonStart) + "," + SignDigit(p.lonSkip) + "," + SignDigit(p.latStart) + "," + SignDigit(p.latSkip);
}

BoxSelection FocusSelection(quorla::GeoKind kind, const GeoBoxProperties& p, bool planar) {
  const bool lon = kind == quorla::GeoKind::Longitude;
  const int end = lon ? 13 : 12;
  if (planar) return {0, end};
  return {lon ? p.lonStart + 1 : p.latStart, end};
}

}  // namespace terrainmap
