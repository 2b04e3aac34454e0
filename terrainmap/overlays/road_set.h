#pragma once
// The road and town files of a terrain directory (its folder "#mrf_vct"): which exist, and which
// contour file and how many town names each map size shows.
#include <string>
#include <string_view>

namespace terrainmap {

std::string RoadDirectory(const std::string& terrainDir);
// The folder holds "obcejme.bdt" and a file matching "vobce??.bd": roads and towns can be drawn.
bool RoadsAndTownsAvailable(const std::string& roadDir);
// The file of the folder with that name, compared without regard to case; empty when missing.
std::string RoadFilePath(const std::string& roadDir, std::string_view name);

struct TownLevel {
  std::string_view contourFile;
  int names;
};
// For map sizes -1 to 15 (the towns are not drawn above 15).
TownLevel TownLevelFor(int sizeIndex);

}  // namespace terrainmap
