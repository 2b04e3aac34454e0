#include "towns/demo_towns.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numbers>
#include <ostream>
#include <string_view>

#include "atomic_file.h"
#include "overlays/road_set.h"
#include "towns/single_byte_name.h"
#include "towns/town_files_write.h"

namespace terrainmap {
namespace {

constexpr double kInhabitantsPerKm2 = 2500;
constexpr double kKmPerDegree = 111.2;
constexpr int kFirstSize = -1, kLastTownSize = 15;

struct ContourFile {
  std::string_view name;
  size_t towns = 0;  // the most names any map size drawing this file shows
  int corners = 0;
};

// The contour files in the order the map sizes use them (finest first), each with as many towns
// as the names its sizes show, and fewer corners as the maps grow.
std::vector<ContourFile> ContourFiles() {
  static constexpr int kCorners[] = {24, 16, 12, 10, 8, 6};
  std::vector<ContourFile> files;
  for (int z = kFirstSize; z <= kLastTownSize; ++z) {
    const TownLevel level = TownLevelFor(z);
    if (files.empty() || files.back().name != level.contourFile) {
      const int corners = kCorners[std::min(files.size(), std::size(kCorners) - 1)];
      files.push_back({level.contourFile, 0, corners});
    }
    files.back().towns = std::max(files.back().towns, static_cast<size_t>(level.names));
  }
  return files;
}

bool WriteFile(const std::string& path, const std::string& bytes, std::ostream& err) {
  if (quorla::WriteFileAtomically(path, bytes)) return true;
  err << "cannot write " << path << "\n";
  return false;
}

}  // namespace

std::vector<City> TownsInArea(const std::vector<City>& cities, const MapArea& area) {
  std::vector<City> towns;
  for (const City& c : cities)
    if (c.featureCode != "PPLX" && c.lon >= area.west && c.lon <= area.east && c.lat >= area.south &&
        c.lat <= area.north && RoadLongitudeValue(c.lon) && RoadLatitudeValue(c.lat))
      towns.push_back(c);
  std::stable_sort(towns.begin(), towns.end(), [](const City& a, const City& b) {
    return a.population != b.population ? a.population > b.population : a.name < b.name;
  });
  return towns;
}

double ContourRadiusKm(uint64_t population) {
  return std::sqrt(static_cast<double>(population) / kInhabitantsPerKm2 / std::numbers::pi);
}

Polyline TownContour(const City& town, int corners) {
  const double r = ContourRadiusKm(town.population) / kKmPerDegree;
  const double rLon = r / std::cos(town.lat * std::numbers::pi / 180);
  Polyline line;
  for (int k = 0; k <= corners; ++k) {
    const double a = 2 * std::numbers::pi * (k % corners) / corners;
    line.push_back({town.lon + rLon * std::sin(a), town.lat + r * std::cos(a)});
  }
  return line;
}

bool WriteDemoTowns(const std::vector<City>& towns, const std::string& dir, std::ostream& err) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  std::string names;
  for (const City& t : towns)
    if (const auto lon = RoadLongitudeValue(t.lon), lat = RoadLatitudeValue(t.lat); lon && lat)
      AppendTownRecord(names, *lon, *lat, SingleByteTownName(t.name));
  AppendTownEnd(names);
  if (!WriteFile(dir + "/obcejme.bdt", names, err)) return false;
  for (const ContourFile& f : ContourFiles()) {
    std::string lines;
    for (size_t i = 0; i < towns.size() && i < f.towns; ++i) AppendLineRecord(lines, TownContour(towns[i], f.corners));
    AppendLineEnd(lines);
    if (!WriteFile(dir + "/" + std::string(f.name), lines, err)) return false;
  }
  return true;
}

}  // namespace terrainmap
