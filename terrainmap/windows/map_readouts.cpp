#include "windows/map_readouts.h"

#include <cmath>
#include <cstdio>

#include "entry/geo_entry_box.h"
#include "geo_text.h"
#include "geometry/sphere.h"
#include "terrain_tile.h"
#include "windows/map_window_texts.h"
#include "windows/number_text.h"

namespace terrainmap {
namespace {

constexpr double kRingKm = 8;

}  // namespace

std::string PositionText(double lon, double lat, bool decimal) {
  if (decimal) return " " + NumberText("%.5f", lon) + ", " + NumberText("%.5f", lat);
  const std::string compact = quorla::FormatGeoText(lon, lat, false);
  const size_t comma = compact.find(',');
  if (comma == std::string::npos) return {};
  return " " + DisplayFromCompact(quorla::GeoKind::Longitude, compact.substr(0, comma)) + ", " +
         DisplayFromCompact(quorla::GeoKind::Latitude, compact.substr(comma + 1));
}

std::string CountryText(const CountryAt& country, double lon, double lat, int sizeIndex, quorla::Language language) {
  const std::string code = country(lon, lat);
  bool unsure = false;
  for (int az = 0; sizeIndex < 12 && az < 360 && !unsure; az += 45) {
    const SpherePoint p = SphereDestination(lon, lat, kRingKm, az);
    unsure = country(p.lon, p.lat) != code;
  }
  std::string text = code.substr(0, code.find_last_not_of(' ') + 1);
  if (text.empty()) text = map_texts::kSea(language);
  return unsure ? text + "?" : text;
}

std::string HeightText(float height, quorla::Language language) {
  if (height == quorla::kNoHeight) return {};
  const bool whole = std::round(height) == height;
  return std::string(map_texts::kAltitude(language)) + NumberText(whole ? "%.0f" : "%.1f", height) + " m";
}

std::string DistanceText(double lon1, double lat1, double lon2, double lat2) {
  const DistanceAzimuth d = SphereDistanceAzimuth(lon1, lat1, lon2, lat2);
  const std::string distance = d.km < 10 ? NumberText(" %.0f", std::round(d.km * 1000)) + " m" : NumberText(" %.1f", d.km) + " km";
  return " D =" + distance + ",  Az =" + NumberText("%.1f", d.azimuth) + "°";
}

}  // namespace terrainmap
