#pragma once
// One drawing of the map area: the height grid and its colours (or, above size 15, the territory
// of the terrain files), the graticule and frame, the world map lines, the border lines of the
// "*.000" files, roads and towns, then the marker, the service-area circle and the legend line.
// It runs in the drawing thread of the window and in vatool alike, on any drawing surface whose
// picture is the map area.
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "bilingual_texts.h"
#include "drawing_surface.h"
#include "windows/height_grid.h"
#include "windows/map_frame.h"

namespace quorla::geoatlas {
class WorldAtlas;
}

namespace terrainmap {

enum class WorldBorders { AboveSize9, Always };  // "for size > 100x70 km" / "allways"

struct GeoPoint {
  double lon = 0, lat = 0;
};

struct MapRequest {
  double lon = 15, lat = 50;  // map centre
  int sizeIndex = 9;
  std::string terrainDir, borderDir;  // borderDir empty: no border directory set
  WorldBorders worldBorders = WorldBorders::AboveSize9;
  bool roadsAndTowns = false;  // the option; the files are looked for in the terrain directory
  std::optional<GeoPoint> marker;
  std::optional<GeoPoint> station;  // centre of the service-area circle
  double radiusKm = 0;              // 0: no circle
  quorla::Language language = quorla::Language::English;
};

// What a drawing drew, for the status and for checking.
struct DrawReport {
  bool completed = false;  // false when stopped
  int worldLines = 0;
  int borderFiles = 0;
  int townNames = 0;
  double seconds = 0;
};

struct DrawHooks {
  std::function<void(std::string_view)> status;  // status bar texts
  const std::atomic<bool>* stop = nullptr;       // looked at after each column and each overlay
  quorla::geoatlas::WorldAtlas* atlas = nullptr;  // null: no world map database
  std::function<void()> beforeMarks;             // the map is complete but for the marks
};

// The map size's legend: its label, then the non-interpolated or territory note.
std::string LegendText(int sizeIndex, quorla::Language language);

// The marker, the service-area circle and the legend line over a map drawn for the request (the
// marks DrawMap draws last).
void DrawMarks(quorla::DrawingSurface& surface, const MapRequest& request);

// Draws the map over the whole surface; the height grid of size below 16 is left in grid (one
// cell per pixel of the surface). Both terrain lookups read the directory of the request.
DrawReport DrawMap(quorla::DrawingSurface& surface, const MapRequest& request, const DrawHooks& hooks,
                   HeightGrid& grid);

}  // namespace terrainmap
