#include "overlays/road_set.h"

#include <algorithm>

#include "name_pattern.h"

namespace terrainmap {

std::string RoadDirectory(const std::string& terrainDir) {
  if (terrainDir.empty()) return {};
  return terrainDir + (terrainDir.back() == '/' ? "" : "/") + "#mrf_vct";
}

bool RoadsAndTownsAvailable(const std::string& roadDir) {
  return !roadDir.empty() && !RoadFilePath(roadDir, "obcejme.bdt").empty() &&
         !RoadFilePath(roadDir, "vobce??.bd").empty();
}

std::string RoadFilePath(const std::string& roadDir, std::string_view name) {
  return roadDir.empty() ? std::string() : quorla::FindFirstEntry(roadDir, name, false);
}

TownLevel TownLevelFor(int sizeIndex) {
  static constexpr TownLevel kLevels[] = {
      {"vobce88.bd", 4500}, {"vobce88.bd", 3000}, {"vobce86.bd", 2100}, {"vobce86.bd", 1000},
      {"vobce4.bd", 620},   {"vobce4.bd", 260},   {"vobce8.bd", 130},   {"vobce8.bd", 75},
      {"vobce12.bd", 40},   {"vobce12.bd", 19},   {"vobce12.bd", 12},   {"vobce12.bd", 8}};
  if (sizeIndex <= 3) return {"vobce1.bd", 9999};
  return kLevels[std::min(sizeIndex, 15) - 4];
}

}  // namespace terrainmap
