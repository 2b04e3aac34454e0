#include "sphere.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quorla::geoatlas {

double GreatCircleKm(double lon1, double lat1, double lon2, double lat2) {
  // Haversine: exact for short distances, where the map reload rule works.
  const double s1 = std::sin((lat2 - lat1) / 2), s2 = std::sin((lon2 - lon1) / 2);
  const double h = s1 * s1 + std::cos(lat1) * std::cos(lat2) * s2 * s2;
  return 2 * kEarthRadiusKm * std::asin(std::sqrt(std::clamp(h, 0.0, 1.0)));
}

double NearLongitude(double lon, double reference) {
  constexpr double kTurn = 2 * std::numbers::pi;
  while (lon - reference > std::numbers::pi) lon -= kTurn;
  while (lon - reference < -std::numbers::pi) lon += kTurn;
  return lon;
}

}  // namespace quorla::geoatlas
