#pragma once
// The expected heights of the real tiles in QUORLA_SHARED_DATA/terrain/POINTS.csv.
#include <string>
#include <vector>

namespace terrainmap::test {

struct ExpectedPoint {
  double lon, lat;
  double interpolated, nearest;
};

std::string RealTerrainDirectory();  // empty when the data is absent
std::vector<ExpectedPoint> ReadExpectedPoints();

}  // namespace terrainmap::test
