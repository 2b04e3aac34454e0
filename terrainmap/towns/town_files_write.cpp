#include "towns/town_files_write.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "overlays/town_file.h"

namespace terrainmap {
namespace {

std::optional<uint16_t> Value(double degrees, double origin, unsigned lowest) {
  const double v = std::round((degrees - origin) * 5000);
  if (!(v >= lowest && v <= 65535)) return std::nullopt;
  return static_cast<uint16_t>(v);
}

void Put16(std::string& bytes, unsigned v) {
  bytes += static_cast<char>(v & 0xFF);
  bytes += static_cast<char>((v >> 8) & 0xFF);
}

}  // namespace

std::optional<uint16_t> RoadLongitudeValue(double lon) { return Value(lon, 11, 1); }
std::optional<uint16_t> RoadLatitudeValue(double lat) { return Value(lat, 46, 0); }

void AppendTownRecord(std::string& bytes, uint16_t lon, uint16_t lat, std::string_view name) {
  Put16(bytes, lon);
  Put16(bytes, lat);
  std::string field(name.substr(0, kTownRecordBytes - 4));
  field.resize(kTownRecordBytes - 4, '\0');
  bytes += field;
}

void AppendTownEnd(std::string& bytes) { bytes.append(kTownRecordBytes, '\0'); }

bool AppendLineRecord(std::string& bytes, const Polyline& line) {
  if (line.empty() || line.size() > 65535) return false;
  std::vector<std::pair<uint16_t, uint16_t>> values;
  for (const LinePoint& p : line) {
    const auto lon = RoadLongitudeValue(p.lon), lat = RoadLatitudeValue(p.lat);
    if (!lon || !lat) return false;
    values.emplace_back(*lon, *lat);
  }
  uint16_t west = 65535, south = 65535, east = 0, north = 0;
  for (const auto& [lon, lat] : values) {
    west = std::min(west, lon), east = std::max(east, lon);
    south = std::min(south, lat), north = std::max(north, lat);
  }
  Put16(bytes, static_cast<unsigned>(values.size()));
  Put16(bytes, 0);
  for (const unsigned v : {west, south, east, north}) Put16(bytes, v);
  for (const auto& [lon, lat] : values) {
    Put16(bytes, lon);
    Put16(bytes, lat);
  }
  return true;
}

void AppendLineEnd(std::string& bytes) { bytes.append(4, '\0'); }

}  // namespace terrainmap
