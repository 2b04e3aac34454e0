// vatool geo: the compact co-ordinate text, the datum shift to WGS-84, Gauss-Krueger planar
// co-ordinates and distances on the map viewer's sphere.
#include <cstdio>
#include <optional>
#include <set>
#include <ostream>
#include <string>
#include <vector>

#include "arguments.h"
#include "datum/datum_conversion.h"
#include "datum/gauss_kruger.h"
#include "datum/geodetic_systems.h"
#include "geo_text.h"
#include "geometry/sphere.h"
#include "subcommand_table.h"

namespace vatool {
namespace {

constexpr std::string_view kUsage =
    "usage: vatool geo COMMAND ...\n\n"
    "  parse TEXT                        LON LAT of a compact position text (7 decimals)\n"
    "  format LON LAT [--tenths]         the compact position text, whole seconds or tenths\n"
    "  check lon|lat TEXT                print valid (exit 0) or invalid (exit 1)\n"
    "  to-wgs84 --system INDEX LON LAT   LON LAT in WGS-84 (7 decimals), then the status text;\n"
    "                                    INDEX 0..14 of the system list, for 2 the values are Y X [m]\n"
    "  gk-forward LON LAT                Gauss-Krueger Y X [m] (3 decimals), then the display text\n"
    "  gk-inverse Y X                    LON LAT (7 decimals)\n"
    "  distance LON1 LAT1 LON2 LAT2      D [km] and azimuth [deg], 4 decimals each\n"
    "  destination LON LAT D AZ          LON LAT at D km and azimuth AZ (7 decimals)\n\n"
    "Degrees east and north positive. Systems:\n"
    "   0 WGS-84   1 S-1942   2 S-1942 XY   3 S-42: HNG   4 ED-50   5 ED-50: ESP,POR\n"
    "   6 ED-50: Sardinia   7 ED-50: Sicily   8 ED-50: MLT   9 ED-50: Cyprus   10 ED-50: GRC\n"
    "  11 ED-79   12 Ord.survey Gr.Brit.-1936   13 Ireland 1965   14 WGS-72\n";

std::string Fixed(double v, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  std::string s = text;
  // No "-0.0000": a value that rounds to zero is written without a sign.
  if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
  return s;
}

int BadUsage(std::ostream& err, const std::string& why) {
  err << "vatool geo: " << why << '\n' << kUsage;
  return kExitBadInput;
}

// All positional values as numbers, or nullopt (with the message written) when one is not.
std::optional<std::vector<double>> Numbers(const Arguments& a, size_t count, const char* what, std::ostream& err) {
  if (a.Positional().size() != count) {
    BadUsage(err, std::string("expected ") + what);
    return std::nullopt;
  }
  std::vector<double> v;
  for (const std::string& p : a.Positional()) {
    const auto d = ParseDouble(p);
    if (!d) {
      BadUsage(err, "not a number: " + p);
      return std::nullopt;
    }
    v.push_back(*d);
  }
  return v;
}

void PrintPair(std::ostream& out, double first, double second, int decimals) {
  out << Fixed(first, decimals) << ' ' << Fixed(second, decimals) << '\n';
}

int RunParse(const Arguments& a, std::ostream& out, std::ostream& err) {
  if (a.Positional().empty()) return BadUsage(err, "parse takes a position text");
  // Blanks are not significant, so a text split over several arguments is read as one.
  std::string text;
  for (const std::string& p : a.Positional()) text += p;
  const quorla::GeoPosition p = quorla::ParseGeoText(text);
  PrintPair(out, p.lon, p.lat, 7);
  return kExitOk;
}

int RunFormat(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto v = Numbers(a, 2, "LON LAT", err);
  if (!v) return kExitBadInput;
  const std::string text = quorla::FormatGeoText((*v)[0], (*v)[1], a.Has("--tenths"));
  if (text.empty()) {
    err << "vatool geo: the degrees do not fit the position text\n";
    return kExitBadInput;
  }
  out << text << '\n';
  return kExitOk;
}

int RunCheck(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto& p = a.Positional();
  if (p.size() != 2 || (p[0] != "lon" && p[0] != "lat")) return BadUsage(err, "check takes lon|lat and a text");
  const auto kind = p[0] == "lon" ? quorla::GeoKind::Longitude : quorla::GeoKind::Latitude;
  const bool valid = quorla::CheckGeoText(kind, quorla::WithoutBlanks(p[1])) == 0;
  out << (valid ? "valid" : "invalid") << '\n';
  return valid ? kExitOk : kExitFindings;
}

int RunToWgs84(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto systemText = a.Value("--system");
  if (!systemText) return BadUsage(err, "to-wgs84 needs --system INDEX");
  const auto index = ParseInteger(*systemText);
  if (!index || *index < 0 || *index >= terrainmap::kGeodeticSystemCount)
    return BadUsage(err, "--system takes an index 0 to 14, not " + *systemText);
  const auto v = Numbers(a, 2, *index == terrainmap::kPlanarSystemIndex ? "Y X" : "LON LAT", err);
  if (!v) return kExitBadInput;
  const auto r = terrainmap::ConvertToWgs84(static_cast<int>(*index), (*v)[0], (*v)[1]);
  PrintPair(out, r->lon, r->lat, 7);
  out << r->status << '\n';
  return kExitOk;
}

int RunGkForward(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto v = Numbers(a, 2, "LON LAT", err);
  if (!v) return kExitBadInput;
  const terrainmap::PlanarYX p = terrainmap::GaussKrugerForward((*v)[0], (*v)[1]);
  PrintPair(out, p.y, p.x, 3);
  out << terrainmap::GaussKrugerDisplayText(p) << '\n';
  return kExitOk;
}

int RunGkInverse(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto v = Numbers(a, 2, "Y X", err);
  if (!v) return kExitBadInput;
  const terrainmap::GeoLonLat g = terrainmap::GaussKrugerInverse((*v)[0], (*v)[1]);
  PrintPair(out, g.lon, g.lat, 7);
  return kExitOk;
}

int RunDistance(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto v = Numbers(a, 4, "LON1 LAT1 LON2 LAT2", err);
  if (!v) return kExitBadInput;
  const auto d = terrainmap::SphereDistanceAzimuth((*v)[0], (*v)[1], (*v)[2], (*v)[3]);
  PrintPair(out, d.km, d.azimuth, 4);
  return kExitOk;
}

int RunDestination(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto v = Numbers(a, 4, "LON LAT D AZ", err);
  if (!v) return kExitBadInput;
  const auto p = terrainmap::SphereDestination((*v)[0], (*v)[1], (*v)[2], (*v)[3]);
  PrintPair(out, p.lon, p.lat, 7);
  return kExitOk;
}

int RunGeo(std::span<const std::string> args, std::istream&, std::ostream& out, std::ostream& err) {
  const std::string& command = args[0];
  static const std::set<std::string> kCommands = {"parse",      "format",     "check",    "to-wgs84",
                                                  "gk-forward", "gk-inverse", "distance", "destination"};
  if (!kCommands.count(command)) return kUnknownCommand;
  const Arguments a(args.subspan(1), {"--system"}, {"--tenths"});
  if (!a.ok()) return BadUsage(err, a.error());
  const bool tenths = a.Has("--tenths"), system = a.Has("--system");
  if (tenths && command != "format") return BadUsage(err, "--tenths belongs to format");
  if (system && command != "to-wgs84") return BadUsage(err, "--system belongs to to-wgs84");
  if (command == "parse") return RunParse(a, out, err);
  if (command == "format") return RunFormat(a, out, err);
  if (command == "check") return RunCheck(a, out, err);
  if (command == "to-wgs84") return RunToWgs84(a, out, err);
  if (command == "gk-forward") return RunGkForward(a, out, err);
  if (command == "gk-inverse") return RunGkInverse(a, out, err);
  if (command == "distance") return RunDistance(a, out, err);
  return RunDestination(a, out, err);
}

const SubcommandGroupRegistration kGeo({"geo", "co-ordinate texts, datum shifts, Gauss-Krueger, sphere distances",
                                        kUsage, RunGeo});

}  // namespace
}  // namespace vatool
