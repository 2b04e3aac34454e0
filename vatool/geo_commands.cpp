// vatool geo: the compact co-ordinate text, the datum shift to WGS-84, Gauss-Krueger planar
// co-ordinates and distances on the map viewer's sphere.
#include <cstdio>
#include <optional>
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

constexpr std::string_view kNotes =
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

// All positional values as numbers, or nullopt (with the message written) when one is not.
std::optional<std::vector<double>> Numbers(const Arguments& a, std::ostream& err) {
  std::vector<double> v;
  for (const std::string& p : a.Positional()) {
    const auto d = ParseDouble(p);
    if (!d) {
      BadUsage(a, err, "not a number: " + p);
      return std::nullopt;
    }
    v.push_back(*d);
  }
  return v;
}

void PrintPair(std::ostream& out, double first, double second, int decimals) {
  out << Fixed(first, decimals) << ' ' << Fixed(second, decimals) << '\n';
}

int RunParse(const Arguments& a, std::ostream& out, std::ostream&) {
  // Blanks are not significant, so a text split over several arguments is read as one.
  std::string text;
  for (const std::string& p : a.Positional()) text += p;
  const quorla::GeoPosition p = quorla::ParseGeoText(text);
  PrintPair(out, p.lon, p.lat, 7);
  return kExitOk;
}

int RunFormat(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto v = Numbers(a, err);
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
  if (p[0] != "lon" && p[0] != "lat") return BadUsage(a, err, "check takes lon|lat and a text");
  const auto kind = p[0] == "lon" ? quorla::GeoKind::Longitude : quorla::GeoKind::Latitude;
  const bool valid = quorla::CheckGeoText(kind, quorla::WithoutBlanks(p[1])) == 0;
  out << (valid ? "valid" : "invalid") << '\n';
  return valid ? kExitOk : kExitFindings;
}

int RunToWgs84(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto systemText = a.Value("--system");
  const auto index = ParseInteger(*systemText);
  if (!index || *index < 0 || *index >= terrainmap::kGeodeticSystemCount)
    return BadUsage(a, err, "--system takes an index 0 to 14, not " + *systemText);
  const auto v = Numbers(a, err);
  if (!v) return kExitBadInput;
  const auto r = terrainmap::ConvertToWgs84(static_cast<int>(*index), (*v)[0], (*v)[1]);
  PrintPair(out, r->lon, r->lat, 7);
  out << r->status << '\n';
  return kExitOk;
}

int RunGkForward(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto v = Numbers(a, err);
  if (!v) return kExitBadInput;
  const terrainmap::PlanarYX p = terrainmap::GaussKrugerForward((*v)[0], (*v)[1]);
  PrintPair(out, p.y, p.x, 3);
  out << terrainmap::GaussKrugerDisplayText(p) << '\n';
  return kExitOk;
}

int RunGkInverse(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto v = Numbers(a, err);
  if (!v) return kExitBadInput;
  const terrainmap::GeoLonLat g = terrainmap::GaussKrugerInverse((*v)[0], (*v)[1]);
  PrintPair(out, g.lon, g.lat, 7);
  return kExitOk;
}

int RunDistance(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto v = Numbers(a, err);
  if (!v) return kExitBadInput;
  const auto d = terrainmap::SphereDistanceAzimuth((*v)[0], (*v)[1], (*v)[2], (*v)[3]);
  PrintPair(out, d.km, d.azimuth, 4);
  return kExitOk;
}

int RunDestination(const Arguments& a, std::ostream& out, std::ostream& err) {
  const auto v = Numbers(a, err);
  if (!v) return kExitBadInput;
  const auto p = terrainmap::SphereDestination((*v)[0], (*v)[1], (*v)[2], (*v)[3]);
  PrintPair(out, p.lon, p.lat, 7);
  return kExitOk;
}

const CommandRow kCommands[] = {
    {"parse", "TEXT", 1, kAnyCount, "LON LAT of a compact position text (7 decimals)", {}, RunParse, "015E3000,49N1500"},
    {"format", "LON LAT", 2, 2, "the compact position text, whole seconds or tenths",
     {{"--tenths", "", "seconds with tenths", false, "--tenths 12.3456789 47.0000139"}}, RunFormat, "14.5 49.25"},
    {"check", "lon|lat TEXT", 2, 2, "print valid (exit 0) or invalid (exit 1)", {}, RunCheck, "lon 015E3000"},
    {"to-wgs84", "LON LAT", 2, 2,
     "LON LAT in WGS-84 (7 decimals), then the status text; for system 2 the values are Y X [m]",
     {{"--system", "INDEX", "the geodetic system, 0 to 14 of the list below", true, "--system 4 -3.7 40.4"}},
     RunToWgs84, "--system 1 14.42 50.08"},
    {"gk-forward", "LON LAT", 2, 2, "Gauss-Krueger Y X [m] (3 decimals), then the display text", {}, RunGkForward,
     "14.42 50.08"},
    {"gk-inverse", "Y X", 2, 2, "LON LAT (7 decimals)", {}, RunGkInverse, "3458485 5550004"},
    {"distance", "LON1 LAT1 LON2 LAT2", 4, 4, "D [km] and azimuth [deg], 4 decimals each", {}, RunDistance,
     "14.42 50.08 16.37 48.21"},
    {"destination", "LON LAT D AZ", 4, 4, "LON LAT at D km and azimuth AZ (7 decimals)", {}, RunDestination,
     "14.42 50.08 250 135"},
};

const SubcommandGroupRegistration kGeo({"geo", "co-ordinate texts, datum shifts, Gauss-Krueger, sphere distances",
                                        kCommands, kNotes});

}  // namespace
}  // namespace vatool
