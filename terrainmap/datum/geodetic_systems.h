#pragma once
// The fifteen geodetic systems of the conversion dialog, their ellipsoids and the shift parameter
// sets of the Molodensky step (shifts from the local datum to WGS-84: WGS-84 = local + delta).
#include <optional>
#include <string_view>

namespace terrainmap {

inline constexpr int kGeodeticSystemCount = 15;
inline constexpr int kPlanarSystemIndex = 2;  // " S-1942 XY": Gauss-Krueger Y, X in metres
inline constexpr int kWgs72Set = 13;          // special formula, no shift vector

struct ShiftSet {
  std::string_view ellipsoid;  // "Krassovsky 1940", ...
  double a;                    // semi-major axis [m]
  double inverseFlattening;    // as held: 298.3 and 299.3 are 32-bit floats
  double dx, dy, dz;           // [m]
};

struct GeodeticSystem {
  std::string_view listText;  // " WGS-84", " S-1942", ...
  int set;                    // 0 for WGS-84 itself
};

// index 0..14; nullopt outside.
std::optional<GeodeticSystem> GeodeticSystemAt(int index);
// set 1..13; nullopt outside.
std::optional<ShiftSet> ShiftSetAt(int set);

// WGS-84 target constants.
inline constexpr double kWgs84A = 6378137.0;
inline constexpr double kWgs84InverseFlattening = 298.257223563;

}  // namespace terrainmap
