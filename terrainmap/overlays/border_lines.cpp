#include "overlays/border_lines.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "geometry/sphere.h"
#include "name_pattern.h"

namespace terrainmap {
namespace {

double LittleEndianDouble(const unsigned char* p) {
  uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | p[i];
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

bool Plausible(const LinePoint& p) { return std::fabs(p.lon) <= 180 && std::fabs(p.lat) <= 90; }

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

}  // namespace

std::vector<Polyline> ReadBorderLines(std::istream& in) {
  const double degrees = 45 / std::atan(1.0);
  std::vector<Polyline> lines;
  unsigned char record[kBorderRecordBytes];
  bool havePrevious = false;
  LinePoint previous{};
  while (in.read(reinterpret_cast<char*>(record), kBorderRecordBytes)) {
    LinePoint points[11];
    for (int i = 0; i < 11; ++i)
      points[i] = {LittleEndianDouble(record + 16 * i) * degrees, LittleEndianDouble(record + 16 * i + 8) * degrees};
    const LinePoint& first = points[0];
    if (!Plausible(first)) continue;  // NaN fails the test too
    const bool continues = havePrevious &&
        SphereDistanceAzimuth(previous.lon, previous.lat, first.lon, first.lat).km <= kBorderContinuationKm;
    if (!continues) lines.emplace_back();
    Polyline& line = lines.back();
    line.push_back(first);
    for (int i = 1; i < 11; ++i)
      if ((points[i].lon != first.lon || points[i].lat != first.lat) && Plausible(points[i])) line.push_back(points[i]);
    previous = line.back();
    havePrevious = true;
  }
  return lines;
}

quorla::InputStatus ReadBorderLineFile(const std::string& path, std::vector<Polyline>& lines) {
  lines.clear();
  return quorla::ParseInputFile(path, kMaxOverlayFileBytes, [&](std::istream& in) { lines = ReadBorderLines(in); });
}

std::vector<std::string> SelectBorderFiles(const std::vector<std::string>& names) {
  std::vector<std::string> taken, takenKeys;
  for (const std::string& name : names) {
    if (name.size() >= 6) {
      const std::string key = Lower(std::string_view(name).substr(0, 6));
      if (key.compare(0, 3, "xxx") == 0 || key.compare(3, 3, "xxx") == 0) continue;
      const std::string swapped = key.substr(3, 3) + key.substr(0, 3);
      bool same = false;
      for (const std::string& k : takenKeys) same = same || k == swapped;
      if (same) continue;
      takenKeys.push_back(key);
    }
    taken.push_back(name);
  }
  return taken;
}

std::vector<std::string> ListBorderFiles(const std::string& dir) {
  std::vector<std::string> names;
  std::error_code ec;
  std::filesystem::directory_iterator it(dir, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    const std::string name = it->path().filename().string();
    if (it->is_regular_file(typeError) && quorla::MatchesNamePattern(name, "*.000")) names.push_back(name);
  }
  return names;
}

}  // namespace terrainmap
