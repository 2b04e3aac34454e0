#include "terrain_points.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace terrainmap::test {

std::string RealTerrainDirectory() {
  const std::string dir = std::string(QUORLA_SHARED_DATA) + "/terrain";
  return std::filesystem::exists(dir + "/POINTS.csv") ? dir : std::string();
}

std::vector<ExpectedPoint> ReadExpectedPoints() {
  std::vector<ExpectedPoint> points;
  std::ifstream in(RealTerrainDirectory() + "/POINTS.csv");
  std::string line;
  while (std::getline(in, line)) {
    ExpectedPoint p{};
    if (std::sscanf(line.c_str(), "%lf,%lf,%lf,%lf", &p.lon, &p.lat, &p.interpolated, &p.nearest) == 4)
      points.push_back(p);
  }
  return points;
}

}  // namespace terrainmap::test
