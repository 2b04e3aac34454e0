#include "overlays/road_file.h"


namespace terrainmap {
namespace {

unsigned U16(const unsigned char* p) { return p[0] | (p[1] << 8); }

}  // namespace

std::vector<Polyline> ReadRoadLines(std::istream& in, const MapArea& map) {
  std::vector<Polyline> lines;
  unsigned char head[12];
  while (in.read(reinterpret_cast<char*>(head), sizeof head)) {
    const unsigned n = U16(head);
    if (n == 0) break;
    const double west = RoadLongitude(U16(head + 4)), south = RoadLatitude(U16(head + 6));
    const double east = RoadLongitude(U16(head + 8)), north = RoadLatitude(U16(head + 10));
    if (east < map.west || west > map.east || north < map.south || south > map.north) {
      in.seekg(4 * static_cast<std::streamoff>(n), std::ios::cur);
      continue;
    }
    std::vector<unsigned char> bytes(4 * static_cast<size_t>(n));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) break;
    Polyline line;
    line.reserve(n);
    for (unsigned i = 0; i < n; ++i) line.push_back({RoadLongitude(U16(&bytes[4 * i])), RoadLatitude(U16(&bytes[4 * i + 2]))});
    lines.push_back(std::move(line));
  }
  return lines;
}

quorla::InputStatus ReadRoadFile(const std::string& path, const MapArea& map, std::vector<Polyline>& lines) {
  lines.clear();
  return quorla::ParseInputFile(path, kMaxOverlayFileBytes, [&](std::istream& in) { lines = ReadRoadLines(in, map); });
}

}  // namespace terrainmap
