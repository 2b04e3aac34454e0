#include "datum/gauss_kruger.h"

#include <cmath>
#include <cstdio>

namespace terrainmap {
namespace {

// These routines keep their own single-precision degree-to-radian factor.
const double kRho = static_cast<double>(static_cast<float>(std::atan(1.0) / 45));
constexpr double kPolarRadius = 6399698.902;  // c = a^2 / b of Krassovsky 1940
constexpr double kSecondEccentricity2 = 0.0067385254;
constexpr double kMetresPerDegree = 111134.8611;

std::string WholeMetres(float value) {
  const long long m = std::llround(value);
  char digits[32];
  std::snprintf(digits, sizeof digits, "%07lld", m < 0 ? -m : m);
  std::string text = digits;
  text.insert(4, " ");
  return m < 0 ? "-" + text : text;
}

}  // namespace

PlanarYX GaussKrugerForward(double lon, double lat) {
  if (!(std::fabs(lon) <= 360) || !(std::fabs(lat) <= 90)) return {};
  const double b = kRho * lat;
  const double xm = 6367558.4978 * b - 16036.48 * std::sin(2 * b) + 16.828 * std::sin(4 * b);
  const int zone = static_cast<int>((std::trunc(lon) + 6) / 6);
  const double l = kRho * (lon - (6 * zone - 3));
  const double cosB = std::cos(b), sinB = std::sin(b), tan2 = std::tan(b) * std::tan(b);
  const double n = kPolarRadius / std::sqrt(1 + kSecondEccentricity2 * cosB * cosB);
  const double l2 = l * l;
  const double x = xm + (l2 / 2) * n * sinB * cosB * (1 + (l2 / 12) * cosB * cosB * (5 - tan2));
  const double y = zone * 1000000.0 + 500000 + n * l * cosB * (1 + (l2 / 6) * cosB * cosB * (1 - tan2));
  return {static_cast<float>(y), static_cast<float>(x)};
}

GeoLonLat GaussKrugerInverse(double y, double x) {
  if (!(y >= 0) || !(y <= 9999000) || !(std::fabs(x) <= 9999000)) return {};
  const int zone = static_cast<int>(y / 1000000);
  const double yy = y - zone * 1000000.0 - 500000;
  const double l0 = 6 * zone - 3;
  // Footpoint latitude: one correction step of the meridian arc (the 16.828 term subtracted).
  const double b0 = x / kMetresPerDegree;
  const double s = -16036.48 * std::sin(2 * kRho * b0) - 16.828 * std::sin(4 * kRho * b0);
  const double b = (x - s) / kMetresPerDegree;
  const double beta = kRho * b;
  const double cos2 = std::cos(beta) * std::cos(beta);
  const double tanB = std::tan(beta), tan2 = tanB * tanB;
  const double n = kPolarRadius / std::pow(1 + kSecondEccentricity2 * cos2, 0.5);
  const double m = kPolarRadius / std::pow(1 + kSecondEccentricity2 * cos2, 1.5);
  const double y2 = yy * yy;
  double lat = b - (57.29577951 * tanB / (2 * m * n)) * y2 * (1 - (y2 / (12 * n * n)) * (5 + 3 * tan2));
  lat += static_cast<double>(0.0000603f) * std::sin(4 * kRho * lat);
  const double lon = l0 + (57.29577951 * yy / (n * std::cos(beta))) * (1 - (y2 / (6 * n * n)) * (1 + 2 * tan2));
  return {static_cast<float>(lon), static_cast<float>(lat)};
}

std::string GaussKrugerDisplayText(const PlanarYX& p) { return WholeMetres(p.y) + ", " + WholeMetres(p.x); }

}  // namespace terrainmap
