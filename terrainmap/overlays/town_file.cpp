#include "overlays/town_file.h"


#include "overlays/road_file.h"

namespace terrainmap {

std::vector<TownName> ReadTownNames(std::istream& in, size_t maxCount) {
  std::vector<TownName> towns;
  unsigned char r[kTownRecordBytes];
  while (towns.size() < maxCount && in.read(reinterpret_cast<char*>(r), sizeof r)) {
    const unsigned lon = r[0] | (r[1] << 8), lat = r[2] | (r[3] << 8);
    if (lon == 0) break;
    TownName t{RoadLongitude(lon), RoadLatitude(lat), {}};
    for (int i = 4; i < kTownRecordBytes; ++i)
      if (r[i] != 0) t.name += static_cast<char>(r[i]);
    towns.push_back(std::move(t));
  }
  return towns;
}

quorla::InputStatus ReadTownFile(const std::string& path, size_t maxCount, std::vector<TownName>& towns) {
  towns.clear();
  return quorla::ParseInputFile(path, kMaxOverlayFileBytes, [&](std::istream& in) { towns = ReadTownNames(in, maxCount); });
}

}  // namespace terrainmap
