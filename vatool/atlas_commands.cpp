// vatool atlas: building the world map database and asking it for countries and map lines.
#include <cmath>
#include <numbers>
#include <ostream>

#include "arguments.h"
#include "atlas_convert.h"
#include "stream_host.h"
#include "subcommand_table.h"
#include "world_atlas.h"

namespace {

using namespace quorla::geoatlas;

constexpr double kRad = std::numbers::pi / 180;
constexpr int32_t kLineCapacity = 1050;  // as the map viewer asks

// The degree values and the database folder of a query ("country", "lines").
bool ParseQuery(const vatool::Arguments& a, double* out, AtlasPlaces& places, std::ostream& err) {
  const auto& pos = a.Positional();
  for (size_t i = 0; i < pos.size(); ++i) {
    const auto v = vatool::ParseDouble(pos[i]);
    if (!v) {
      vatool::BadUsage(a, err, "not a number: " + pos[i]);
      return false;
    }
    out[i] = *v;
  }
  places = a.Value("--db") ? AtlasPlaces{"", {*a.Value("--db") + "/"}} : DefaultPlaces();
  return true;
}

int Build(const vatool::Arguments& a, std::ostream& out, std::ostream& err) {
  const std::string from = a.Value("--from").value_or(QUORLA_WORLD_ATLAS_DIR);
  return ConvertWorldAtlas(from, *a.Value("-o"), out, err) ? vatool::kExitOk : vatool::kExitBadInput;
}

int Country(const vatool::Arguments& a, std::ostream& out, std::ostream& err) {
  double v[2];
  AtlasPlaces places;
  if (!ParseQuery(a, v, places, err)) return vatool::kExitBadInput;
  StreamHost host(err);
  WorldAtlas atlas(host, places);
  char code[3];
  atlas.Geoplc(static_cast<float>(v[0] * kRad), static_cast<float>(v[1] * kRad), code);
  if (!atlas.usable()) return vatool::kExitBadInput;
  out << '"' << std::string_view(code, 3) << "\"\n";
  return vatool::kExitOk;
}

int Lines(const vatool::Arguments& a, std::ostream& out, std::ostream& err) {
  double v[4];
  AtlasPlaces places;
  if (!ParseQuery(a, v, places, err)) return vatool::kExitBadInput;
  StreamHost host(err);
  WorldAtlas atlas(host, places);
  auto r = [&](int i) { return static_cast<float>(v[i] * kRad); };
  atlas.Geodwd(r(0), r(1), r(2), r(3), 0.0f, 0, nullptr);
  std::vector<float> points(2 * kLineCapacity);
  int32_t line = 0, npoints = 0, done = 0, count = 0;
  char type = ' ';
  for (;;) {
    atlas.Geoliw(2, points.data(), kLineCapacity, line, npoints, type, done);
    if (done) break;
    out << line << ' ' << type << ' ' << npoints << '\n';
    ++count;
  }
  if (!atlas.usable()) return vatool::kExitBadInput;
  err << "lines: " << count << "\n";
  return vatool::kExitOk;
}

constexpr std::string_view kDbHelp = "the folder of the world map database (the installed one unless given)";

const vatool::CommandRow kCommands[] = {
    {"build", "", 0, 0, "build the world map database from the world-atlas package",
     {{"--from", "DIR", "the world-atlas package folder (the one the build found unless given)", false,
       "--from node_modules/world-atlas -o WORLD_DB"},
      {"-o", "DIR", "the folder to write the database into", true, "-o WORLD_DB"}},
     Build, "-o WORLD_DB"},
    {"country", "LON LAT", 2, 2, "the country code at a position (degrees) between double quotes",
     {{"--db", "DIR", kDbHelp, false, "--db WORLD_DB 14.42 50.08"}}, Country, "14.42 50.08"},
    {"lines", "W S E N", 4, 4,
     "one pass of map lines over a window (degrees): NUMBER TYPE NPOINTS per line, then \"lines: N\" on "
     "standard error",
     {{"--db", "DIR", kDbHelp, false, "--db WORLD_DB 12 48 19 52"}}, Lines, "12 48 19 52"},
};

const vatool::SubcommandGroupRegistration kAtlas({"atlas", "world map database: build, country lookup, map lines",
                                                  kCommands});

}  // namespace
