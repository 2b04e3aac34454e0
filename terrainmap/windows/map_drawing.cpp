#include "windows/map_drawing.h"

#include <chrono>

#include "terrain_settings.h"
#include "windows/drawing_times.h"
#include "windows/map_layers.h"
#include "windows/map_texts.h"
#include "world_atlas.h"

namespace terrainmap {

void DrawMarks(quorla::DrawingSurface& surface, const MapRequest& request) {
  const MapFrame frame =
      MakeMapFrame(request.lon, request.lat, request.sizeIndex, surface.PixelWidth(), surface.PixelHeight());
  DrawReport report;
  const DrawHooks hooks;
  const DrawContext c{surface, frame, request, hooks, report};
  DrawMarker(c);
  DrawServiceArea(c);
  DrawLegend(c);
}

DrawReport DrawMap(quorla::DrawingSurface& surface, const MapRequest& request, const DrawHooks& hooks,
                   HeightGrid& grid) {
  const auto start = std::chrono::steady_clock::now();
  const auto elapsed = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };
  const MapFrame frame =
      MakeMapFrame(request.lon, request.lat, request.sizeIndex, surface.PixelWidth(), surface.PixelHeight());
  DrawReport report;
  const DrawContext c{surface, frame, request, hooks, report};
  if (quorla::TerrainDirectory() != request.terrainDir) quorla::SetTerrainDirectory(request.terrainDir);
  quorla::SetNonInterpolatedHeights(request.sizeIndex == kFirstMapSize);

  surface.SetBrush(quorla::kWhite);
  surface.Clear();
  grid = HeightGrid{};
  const int z = request.sizeIndex;
  if (z < kFirstTerritorySize) {
    c.Status(map_texts::kReadingAltitudes);
    const int columns = surface.PixelWidth();
    const auto progress = [&](int done) {
      if (hooks.status) hooks.status(ProgressText(elapsed(), 100 * done / columns));
    };
    if (!ReadHeightGrid(frame, columns, surface.PixelHeight(), grid, progress, hooks.stop)) return report;
    PlotHeightGrid(c, grid);
    if (c.Stopped()) return report;
  }
  c.Status(map_texts::kMapDrawing);
  DrawGraticule(c);
  DrawFrame(c);
  if (z >= kFirstTerritorySize) {
    DrawTerritory(c);
    if (c.Stopped()) return report;
    DrawGraticule(c);
    DrawFrame(c);
  }
  const bool worldLines = WorldLinesWanted(request) && hooks.atlas;
  if (worldLines) DrawWorldLines(c);
  if (c.Stopped()) return report;
  DrawBorderFiles(c, worldLines && hooks.atlas->usable());
  if (c.Stopped()) return report;
  DrawRoadsAndTowns(c);
  if (c.Stopped()) return report;
  if (hooks.beforeMarks) hooks.beforeMarks();
  DrawMarks(surface, request);
  report.seconds = elapsed();
  if (hooks.status) hooks.status(TotalTimeText(report.seconds));
  report.completed = true;
  return report;
}

}  // namespace terrainmap
