#include "datum/molodensky.h"

#include <cmath>

#include "datum/geodetic_systems.h"

namespace terrainmap {
namespace {

const double kRho = std::atan(1.0) / 45;                // radians per degree
const double kArcSecond = std::atan(1.0) / (45 * 3600);  // radians per arc second

DatumShift Wgs72Shift(double lat) {
  const double phi = kRho * lat;
  const double df = 1 / kWgs84InverseFlattening - 1 / static_cast<double>(298.3f);
  const double dphi = 4.5 * std::cos(phi) / 6378135.0 + df * std::sin(2 * phi);
  const double dlambda = 0.554 * kArcSecond;
  return {static_cast<float>(dlambda / kRho), static_cast<float>(dphi / kRho)};
}

}  // namespace

std::optional<DatumShift> MolodenskyShift(double lon, double lat, int set) {
  const auto p = ShiftSetAt(set);
  if (!p) return std::nullopt;
  if (set == kWgs72Set) return Wgs72Shift(lat);
  const double f = 1 / p->inverseFlattening;
  const double e2 = 2 * f - f * f;
  const double da = kWgs84A - p->a;
  const double df = 1 / kWgs84InverseFlattening - f;
  const double phi = kRho * lat, lambda = kRho * lon;
  const double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
  const double sinLam = std::sin(lambda), cosLam = std::cos(lambda);
  const double w2 = 1 - e2 * sinPhi * sinPhi;
  const double n = p->a / std::sqrt(w2);                  // prime vertical radius
  const double m = p->a * (1 - e2) / (w2 * std::sqrt(w2));  // meridian radius
  const double dphi = (-p->dx * sinPhi * cosLam - p->dy * sinPhi * sinLam + p->dz * cosPhi +
                       e2 * n * sinPhi * cosPhi * da / p->a + (m / (1 - f) + n * (1 - f)) * df * sinPhi * cosPhi) /
                      m;
  const double dlambda = (-p->dx * sinLam + p->dy * cosLam) / (n * cosPhi);
  return DatumShift{static_cast<float>(dlambda / kRho), static_cast<float>(dphi / kRho)};
}

}  // namespace terrainmap
