// vatool terrain: heights from an HCM-TOPO terrain directory, the terrain directory check and the
// generator of a demo directory with synthetic relief.
#include <cstdio>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "arguments.h"
#include "directories/directory_checks.h"
#include "input_file.h"
#include "point_altitude.h"
#include "subcommand_table.h"
#include "terrain/bulk_altitude.h"
#include "terrain/tile_generator.h"
#include "terrain_settings.h"

namespace vatool {
namespace {

std::string OneDecimal(float v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", static_cast<double>(v));
  return std::string(text) == "-0.0" ? "0.0" : text;
}

// The words of a line; commas separate like blanks.
std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : line + ' ') {
    if (c == ' ' || c == '\t' || c == ',' || c == '\r') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  return words;
}

int RunAltitude(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto dtm = a.Value("--dtm");
  const auto& p = a.Positional();
  if (p.size() % 2 != 0) return BadUsage(a, err, "positions come as LON LAT pairs");
  std::vector<std::pair<double, double>> positions;
  for (size_t i = 0; i < p.size(); i += 2) {
    const auto lon = ParseDouble(p[i]), lat = ParseDouble(p[i + 1]);
    if (!lon || !lat) return BadUsage(a, err, "not a position: " + p[i] + " " + p[i + 1]);
    positions.emplace_back(*lon, *lat);
  }
  quorla::SetTerrainDirectory(*dtm);
  quorla::SetNonInterpolatedHeights(a.Has("--nearest"));
  const bool bulk = a.Has("--bulk");
  const auto height = [bulk](double lon, double lat) {
    return bulk ? terrainmap::BulkAltitude(lon, lat) : quorla::PointAltitude(lon, lat);
  };
  if (!p.empty()) {
    for (const auto& [lon, lat] : positions) out << OneDecimal(height(lon, lat)) << '\n';
    return kExitOk;
  }
  // One output line per input line; a line that is not a position prints an error in its place.
  // A line far longer than any position is no list of positions at all (binary data, a device):
  // the reading stops there instead of holding an endless line in memory.
  constexpr size_t kMaxLineLength = 4096;
  int result = kExitOk;
  std::string line;
  for (long number = 1;; ++number) {
    const quorla::LineStatus read = quorla::ReadBoundedLine(a.Input(), line, kMaxLineLength);
    if (read == quorla::LineStatus::End) break;
    if (read == quorla::LineStatus::TooLong) {
      err << "vatool: standard input: line " << number << ": longer than " << kMaxLineLength
          << " characters, not a LON LAT pair; reading stopped\n";
      return kExitBadInput;
    }
    const std::vector<std::string> w = Words(line);
    if (w.empty() || w[0][0] == '#') continue;
    const auto lon = w.size() == 2 ? ParseDouble(w[0]) : std::nullopt;
    const auto lat = w.size() == 2 ? ParseDouble(w[1]) : std::nullopt;
    if (!lon || !lat) {
      out << "ERROR: not a LON LAT pair\n";
      err << "vatool terrain: line " << number << ": not a LON LAT pair: " << line << '\n';
      result = kExitBadInput;
      continue;
    }
    out << OneDecimal(height(*lon, *lat)) << '\n';
  }
  return result;
}

int RunCheckDir(const Arguments& a, std::ostream& out, std::ostream&) {
  const std::string dir = terrainmap::VerifyTerrainDirectory(a.Positional()[0]);
  out << dir << '\n';
  return dir.empty() ? kExitFindings : kExitOk;
}

std::optional<terrainmap::TerrainArea> ParseArea(const std::string& text) {
  std::vector<int> v;
  size_t start = 0;
  for (;;) {
    const size_t comma = text.find(',', start);
    const auto n = ParseInteger(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (!n || *n < -1000 || *n > 1000) return std::nullopt;
    v.push_back(static_cast<int>(*n));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (v.size() != 4) return std::nullopt;
  return terrainmap::TerrainArea{v[0], v[1], v[2], v[3]};
}

int RunDemo(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto dir = a.Value("-o");
  const auto areaText = a.Value("--area");
  const auto area = ParseArea(*areaText);
  if (!area) return BadUsage(a, err, "--area takes four whole degrees W,S,E,N, not " + *areaText);
  switch (terrainmap::GenerateTerrainTiles(*dir, *area)) {
    case terrainmap::GenerateStatus::Ok:
      out << (area->east - area->west) * (area->north - area->south) << " tiles written to " << *dir << '\n';
      return kExitOk;
    case terrainmap::GenerateStatus::BadArea:
      err << "vatool terrain: the area must lie in 180W..180E, 0..90N with W < E, S < N and hold at most "
          << terrainmap::kMaxGeneratedTiles << " tiles\n";
      return kExitBadInput;
    case terrainmap::GenerateStatus::WriteFailed:
      break;
  }
  err << "vatool terrain: cannot write the tiles into " << *dir << '\n';
  return kExitBadInput;
}

const CommandRow kCommands[] = {
    {"altitude", "[LON LAT]...", 0, kAnyCount,
     "one height per position in metres (1 decimal, -9999.0 for no data); without positions, LON LAT pairs are "
     "read from standard input, one per line",
     {{"--dtm", "DIR", "the terrain directory", true, "--dtm DEMO_DTM 14.5 49.6"},
      {"--nearest", "", "the grid point south-west of the position instead of the interpolated height", false,
       "--dtm DEMO_DTM --nearest 14.5 49.6"},
      {"--bulk", "", "the map drawing's lookup", false, "--dtm DEMO_DTM --bulk 14.5 49.6 15.25 50.1"}},
     RunAltitude, "--dtm DEMO_DTM 14.5 49.6 15.25 50.1"},
    {"check-dir", "DIR", 1, 1, "the usable terrain directory for DIR (or a fallback), or an empty line (exit 1)", {},
     RunCheckDir, "DEMO_DTM"},
    {"demo", "", 0, 0, "write tiles with synthetic relief for whole degrees W <= lon < E, S <= lat < N",
     {{"-o", "DIR", "the terrain directory to write", true, "-o DEMO_DTM --area 14,48,18,51"},
      {"--area", "W,S,E,N", "the area in whole degrees", true, "--area 12,48,19,52 -o DEMO_DTM"}},
     RunDemo, "--area 12,48,19,52 -o DEMO_DTM"},
};

const SubcommandGroupRegistration kTerrain({"terrain", "terrain heights, terrain directory check, demo tiles",
                                            kCommands});

}  // namespace
}  // namespace vatool
