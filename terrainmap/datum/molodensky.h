#pragma once
// The datum shift to WGS-84: the Standard Molodensky formulas (ellipsoid height 0) for the parameter
// sets 1 to 12, and the special WGS-72 formula for set 13. Intermediate values are 64-bit, the
// shifts are kept as 32-bit floats (degrees).
#include <optional>

namespace terrainmap {

struct DatumShift {
  float dlon = 0, dlat = 0;  // degrees; WGS-84 = local + shift
};

// nullopt for a set outside 1..13.
std::optional<DatumShift> MolodenskyShift(double lon, double lat, int set);

}  // namespace terrainmap
