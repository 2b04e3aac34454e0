#include "geometry/sphere.h"

#include <cmath>

namespace terrainmap {
namespace {

const double kPi = 4 * std::atan(1.0);
const double kRho = kPi / 180;

}  // namespace

DistanceAzimuth SphereDistanceAzimuth(double lon1, double lat1, double lon2, double lat2) {
  if (lon1 == lon2 && lat1 == lat2) return {};
  const double p1 = kRho * lat1, p2 = kRho * lat2, dl = kRho * (lon2 - lon1);
  double c = std::sin(p1) * std::sin(p2) + std::cos(p1) * std::cos(p2) * std::cos(dl);
  if (c > 1) c = 1;  // rounding just past the ends would give no root
  if (c < -1) c = -1;
  const double root = std::sqrt(1 - c * c);
  // pi/2 - atan(c / root), written so that root = 0 (same or antipodal point) gives 0 or pi.
  const double sigma = kPi / 2 - std::atan2(c, root);
  DistanceAzimuth r;
  r.km = kSphereRadiusKm * sigma;
  const double denominator = root * std::cos(p1);
  const double cosA = denominator != 0 ? (std::sin(p2) - c * std::sin(p1)) / denominator : 2.0;
  if (!(1 - cosA * cosA >= 1e-10)) {
    // Along a meridian, or from a pole: north when the target lies north along it.
    const double d = lon1 == lon2 ? lat2 - lat1 : 180 - lat2 - lat1;
    r.azimuth = (d >= 0 && d <= 180) ? 0 : 180;
    return r;
  }
  double a = kPi / 2 - std::atan(cosA / std::sqrt(1 - cosA * cosA));
  if (std::sin(dl) < 0) a = 2 * kPi - a;
  r.azimuth = a / kRho;
  if (r.azimuth >= 360) r.azimuth -= 360;
  return r;
}

SpherePoint SphereDestination(double lon, double lat, double km, double azimuth) {
  const double p1 = kRho * lat, a = kRho * azimuth, delta = km / kSphereRadiusKm;
  const double sinP2 = std::sin(p1) * std::cos(delta) + std::cos(p1) * std::sin(delta) * std::cos(a);
  const double p2 = std::asin(std::fmax(-1.0, std::fmin(1.0, sinP2)));
  const double dl = std::atan2(std::sin(a) * std::sin(delta) * std::cos(p1), std::cos(delta) - std::sin(p1) * sinP2);
  double lon2 = std::fmod(lon + dl / kRho + 540.0, 360.0) - 180.0;
  if (lon2 < -180) lon2 += 360;
  return {lon2, p2 / kRho};
}

}  // namespace terrainmap
