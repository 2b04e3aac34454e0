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

constexpr std::string_view kUsage =
    "usage: vatool atlas COMMAND ...\n"
    "  build [--from DIR] -o DIR     build the world map database from the world-atlas package\n"
    "  country LON LAT [--db DIR]    the country code at a position (degrees) between double quotes\n"
    "  lines W S E N [--db DIR]      one pass of map lines over a window (degrees):\n"
    "                                NUMBER TYPE NPOINTS per line, then \"lines: N\" on standard error\n";

// The n degree values and the database folder of a query ("country", "lines").
bool ParseQuery(std::span<const std::string> args, size_t n, double* out, AtlasPlaces& places, std::ostream& err) {
  const vatool::Arguments a(args, {"--db"}, {});
  if (!a.ok()) {
    err << a.error() << "\n";
    return false;
  }
  const auto& pos = a.Positional();
  if (pos.size() != n) {
    err << kUsage;
    return false;
  }
  for (size_t i = 0; i < n; ++i) {
    const auto v = vatool::ParseDouble(pos[i]);
    if (!v) {
      err << "not a number: " << pos[i] << "\n";
      return false;
    }
    out[i] = *v;
  }
  places = a.Value("--db") ? AtlasPlaces{"", {*a.Value("--db") + "/"}} : DefaultPlaces();
  return true;
}

int Build(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const vatool::Arguments a(args, {"--from", "-o"}, {});
  if (!a.ok() || !a.Value("-o") || !a.Positional().empty()) {
    err << (a.ok() ? std::string(kUsage) : a.error() + "\n");
    return vatool::kExitBadInput;
  }
  const std::string from = a.Value("--from").value_or(QUORLA_WORLD_ATLAS_DIR);
  return ConvertWorldAtlas(from, *a.Value("-o"), out, err) ? vatool::kExitOk : vatool::kExitBadInput;
}

int Country(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  double v[2];
  AtlasPlaces places;
  if (!ParseQuery(args, 2, v, places, err)) return vatool::kExitBadInput;
  StreamHost host(err);
  WorldAtlas atlas(host, places);
  char code[3];
  atlas.Geoplc(static_cast<float>(v[0] * kRad), static_cast<float>(v[1] * kRad), code);
  if (!atlas.usable()) return vatool::kExitBadInput;
  out << '"' << std::string_view(code, 3) << "\"\n";
  return vatool::kExitOk;
}

int Lines(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  double v[4];
  AtlasPlaces places;
  if (!ParseQuery(args, 4, v, places, err)) return vatool::kExitBadInput;
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

int RunAtlas(std::span<const std::string> args, std::istream&, std::ostream& out, std::ostream& err) {
  const std::string& cmd = args[0];
  const auto rest = args.subspan(1);
  if (cmd == "--help" || cmd == "-h") {
    out << kUsage;
    return vatool::kExitOk;
  }
  if (cmd == "build") return Build(rest, out, err);
  if (cmd == "country") return Country(rest, out, err);
  if (cmd == "lines") return Lines(rest, out, err);
  err << "unknown atlas command: " << cmd << "\n" << kUsage;
  return vatool::kExitBadInput;
}

const vatool::SubcommandGroupRegistration kAtlas({"atlas", "world map database: build, country lookup, map lines",
                                                  kUsage, RunAtlas});

}  // namespace
