#include "datum/geodetic_systems.h"

namespace terrainmap {
namespace {

// The inverse flattenings 298.3 and 299.3 are single-precision values (298.29998779296875 and
// 299.29998779296875); WGS-72 uses the same 298.3 as Krassovsky 1940.
constexpr double kKrassovskyInvF = static_cast<double>(298.3f);
constexpr double kAiryInvF = static_cast<double>(299.3f);

constexpr GeodeticSystem kSystems[kGeodeticSystemCount] = {
    {" WGS-84", 0},         {" S-1942", 1},          {" S-1942 XY", 1},
    {" S-42: HNG", 2},      {" ED-50", 3},           {" ED-50: ESP,POR", 4},
    {" ED-50: Sardinia", 5}, {" ED-50: Sicily", 6},  {" ED-50: MLT", 7},
    {" ED-50: Cyprus", 8},  {" ED-50: GRC", 9},      {" ED-79", 10},
    {" Ord.survey Gr.Brit.-1936", 11}, {" Ireland 1965", 12}, {" WGS-72", 13},
};

constexpr ShiftSet kSets[13] = {
    {"Krassovsky 1940", 6378245, kKrassovskyInvF, 28, -130, -95},
    {"Krassovsky 1940", 6378245, kKrassovskyInvF, 28, -121, -77},
    {"Internacional", 6378388, 297, -87, -97, -120.5},
    {"Internacional", 6378388, 297, -84, -107, -120},
    {"Internacional", 6378388, 297, -97, -103, -120},
    {"Internacional", 6378388, 297, -97, -88, -135},
    {"Internacional", 6378388, 297, -107, -88, -149},
    {"Internacional", 6378388, 297, -104, -101, -140},
    {"Internacional", 6378388, 297, -84, -95, -130},
    {"Internacional", 6378388, 297, -86, -98, -119},
    {"Airy 1830", 6377563.4, kAiryInvF, 375, -110.5, 431},
    {"Modif.Airy", 6377340.2, kAiryInvF, 506, -122, 611},
    {"WGS-72", 6378135, kKrassovskyInvF, 0, 0, 0},
};

}  // namespace

std::optional<GeodeticSystem> GeodeticSystemAt(int index) {
  if (index < 0 || index >= kGeodeticSystemCount) return std::nullopt;
  return kSystems[index];
}

std::optional<ShiftSet> ShiftSetAt(int set) {
  if (set < 1 || set > 13) return std::nullopt;
  return kSets[set - 1];
}

}  // namespace terrainmap
