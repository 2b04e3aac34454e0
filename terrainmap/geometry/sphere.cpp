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
  const double sinP1 = std::sin(p1), cosP1 = std::cos(p1), sinP2 = std::sin(p2), cosP2 = std::cos(p2);
  // c = cos(sigma). sin(sigma) comes from its two components rather than sqrt(1 - c^2), and
  // cos A = (sin p2 - c sin p1) / (sin(sigma) cos p1) is taken in its reduced form
  // (cos p1 sin p2 - sin p1 cos p2 cos dl) / sin(sigma): the same values, without the loss of
  // digits when c is near 1 (short distances) or cos p1 is near 0 (from a pole).
  const double c = sinP1 * sinP2 + cosP1 * cosP2 * std::cos(dl);
  const double east = cosP2 * std::sin(dl);
  const double north = cosP1 * sinP2 - sinP1 * cosP2 * std::cos(dl);
  const double sinSigma = std::hypot(east, north);
  DistanceAzimuth r;
  r.km = kSphereRadiusKm * std::atan2(sinSigma, c);
  const double cosA = sinSigma > 1e-15 ? north / sinSigma : 1.0;
  if (!(1 - cosA * cosA >= 1e-10)) {
    // Along a meridian (or through a pole, or to the antipode): north when the target lies
    // north along it.
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
