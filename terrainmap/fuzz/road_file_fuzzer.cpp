// Any bytes as a road or contour file ".bd", read for a map area taken from the first 8 bytes.
#include <string>

#include "testing/fuzz_scratch.h"
#include "overlays/road_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 8) return 0;
  auto value = [data](int i) { return static_cast<unsigned>(data[2 * i] | data[2 * i + 1] << 8); };
  const terrainmap::MapArea map{terrainmap::RoadLongitude(value(0)), terrainmap::RoadLatitude(value(1)),
                                terrainmap::RoadLongitude(value(2)), terrainmap::RoadLatitude(value(3))};
  const std::string path = quorla::fuzz::WriteInput("mistni.bd", data + 8, size - 8);
  std::vector<terrainmap::Polyline> lines;
  if (terrainmap::ReadRoadFile(path, map, lines) != quorla::InputStatus::Ok) __builtin_trap();
  size_t points = 0;
  for (const terrainmap::Polyline& line : lines) {
    if (line.empty()) __builtin_trap();
    for (const terrainmap::LinePoint& p : line)
      if (!(p.lon >= 11 && p.lon <= 11 + 65535 / 5000.0 && p.lat >= 46 && p.lat <= 46 + 65535 / 5000.0))
        __builtin_trap();
    points += line.size();
  }
  if (12 * lines.size() + 4 * points > size - 8) __builtin_trap();
  return 0;
}
