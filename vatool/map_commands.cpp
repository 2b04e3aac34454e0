// vatool map render: the map area of the map viewer drawn to a picture file through the viewer's
// own drawing code, for reports and for checking without a screen.
#include <cmath>
#include <ostream>
#include <sstream>
#include <string>

#include "arguments.h"
#include "directories/directory_checks.h"
#include "geometry/map_sizes.h"
#include "overlays/road_set.h"
#include "stream_host.h"
#include "subcommand_table.h"
#include "ui/picture_file.h"
#include "windows/map_drawing.h"
#include "world_atlas.h"

namespace vatool {
namespace {

int RunRender(const Arguments& a, std::ostream&, std::ostream& err) {
  terrainmap::MapRequest r;
  std::istringstream centre(*a.Value("--center"));
  std::string lonText, latText;
  centre >> lonText >> latText;
  const auto lon = ParseDouble(lonText), lat = ParseDouble(latText);
  if (!lon || !lat || std::abs(*lon) > 180 || std::abs(*lat) > 85) {
    return BadUsage(a, err, "--center takes LON LAT in degrees (|LON| <= 180, |LAT| <= 85)");
  }
  const auto size = ParseInteger(*a.Value("--size"));
  if (!size || *size < terrainmap::kFirstMapSize || *size > terrainmap::kLastMapSize)
    return BadUsage(a, err, "--size must be -1..18");
  const auto width = ParseInteger(a.Value("--width").value_or("1000"));
  if (!width || *width < 100 || *width > 8000) return BadUsage(a, err, "--width must be 100..8000");
  const auto radius = ParseDouble(a.Value("--radius").value_or("0"));
  if (!radius || *radius < 0 || *radius > 5000) return BadUsage(a, err, "--radius must be 0..5000 km");
  // The directory as the map window takes it: the checked one, which may be a fallback folder.
  r.terrainDir = terrainmap::VerifyTerrainDirectory(*a.Value("--dtm"));
  if (r.terrainDir.empty()) {
    err << "vatool: " << *a.Value("--dtm") << ": not a terrain directory\n";
    return kExitBadInput;
  }
  r.borderDir = a.Value("--border").value_or("");
  r.lon = *lon;
  r.lat = *lat;
  r.sizeIndex = static_cast<int>(*size);
  r.roadsAndTowns = terrainmap::RoadsAndTownsAvailable(terrainmap::RoadDirectory(r.terrainDir));
  if (a.Has("--marker")) r.marker = terrainmap::GeoPoint{*lon, *lat};
  r.station = terrainmap::GeoPoint{*lon, *lat};
  r.radiusKm = *radius;

  quorla::geoatlas::StreamHost host(err);
  const auto db = a.Value("--db");
  quorla::geoatlas::WorldAtlas atlas(host, db ? quorla::geoatlas::AtlasPlaces{"", {*db + "/"}}
                                              : quorla::geoatlas::DefaultPlaces());
  terrainmap::DrawHooks hooks;
  hooks.atlas = &atlas;
  terrainmap::HeightGrid grid;
  const int w = static_cast<int>(*width);
  const bool written = quorla::ui::DrawPictureFile(
      w, static_cast<int>(std::lround(w / 1.4)),
      [&](quorla::DrawingSurface& s) { terrainmap::DrawMap(s, r, hooks, grid); }, *a.Value("-o"));
  if (!written) {
    err << "vatool: " << *a.Value("-o") << ": cannot write the picture (.png or .bmp)\n";
    return kExitBadInput;
  }
  return kExitOk;
}

const CommandRow kCommands[] = {
    {"render", "", 0, 0,
     "the map viewer's map area drawn to a .png or .bmp file PX wide and PX / 1.4 high, one height cell per pixel, "
     "with the overlays the viewer draws at that size",
     {{"--dtm", "DIR", "the terrain (HCM-TOPO) directory; its #mrf_vct folder holds the road and town files", true,
       "--dtm DEMO_DTM --center 14.5 49.6 --size 9 -o MAP.png"},
      {"--border", "DIR", "the border-line directory (*.000 files); without it no border lines are drawn", false,
       "--dtm DEMO_DTM --border BORDER --center 14.5 49.6 --size 9 -o MAP.png"},
      {"--center", "LON LAT", "the map centre in degrees", true, "--dtm DEMO_DTM --center 16.37 48.21 --size 9 -o MAP.png"},
      {"--size", "INDEX", "the map size index, -1..18 (9 is 100 x 70 km)", true,
       "--dtm DEMO_DTM --center 14.5 49.6 --size 14 -o MAP.png"},
      {"--width", "PX", "picture width in pixels, 100..8000 (default 1000)", false,
       "--dtm DEMO_DTM --center 14.5 49.6 --size 9 -o MAP.png --width 600"},
      {"--marker", "", "the marker at the centre", false, "--dtm DEMO_DTM --center 14.5 49.6 --size 9 -o MAP.png --marker"},
      {"--radius", "KM", "the service-area circle round the centre (default 0: none)", false,
       "--dtm DEMO_DTM --center 14.5 49.6 --size 9 -o MAP.png --marker --radius 40"},
      {"--db", "DIR", "the folder of the world map database (the installed one unless given)", false,
       "--dtm DEMO_DTM --center 14.5 49.6 --size 9 -o MAP.png --db WORLD_DB"},
      {"-o", "FILE", "the picture file", true, "--dtm DEMO_DTM --center 14.5 49.6 --size 9 -o MAP.bmp"}},
     RunRender,
     "--dtm DEMO_DTM --border BORDER --center 14.5 49.6 --size 12 --width 600 --marker --radius 40 -o MAP.png"},
};

const SubcommandGroupRegistration kMap({"map", "terrain map pictures", kCommands});

}  // namespace
}  // namespace vatool
