#pragma once
// The layers of a map drawing, each drawn by DrawMap in its order (map_drawing.h).
#include <vector>

#include "overlays/border_lines.h"
#include "windows/map_drawing.h"

namespace terrainmap {

struct DrawContext {
  quorla::DrawingSurface& surface;
  const MapFrame& frame;
  const MapRequest& request;
  const DrawHooks& hooks;
  DrawReport& report;

  quorla::LogicalPoint At(double lon, double lat) const {
    const double u = surface.UnitsPerPixel();
    return {frame.X(lon) * u, frame.Y(lat) * u};
  }
  void Status(quorla::BiText text) const {
    if (hooks.status) hooks.status(text(request.language));
  }
  bool Stopped() const { return hooks.stop && hooks.stop->load(std::memory_order_relaxed); }
  // The line through the points, in logical units.
  std::vector<quorla::LogicalPoint> Logical(const Polyline& line) const;
};

// Background: the coloured height grid, one cell per pixel. Like the territory, it ends early
// when the drawing is stopped.
void PlotHeightGrid(const DrawContext& c, const HeightGrid& grid);
// The whole-degree tiles with a terrain file, filled and outlined (sizes above 15).
void DrawTerritory(const DrawContext& c);
void DrawGraticule(const DrawContext& c);
void DrawFrame(const DrawContext& c);

// Overlays: whether the world map lines are drawn at this size and option, and the layers.
bool WorldLinesWanted(const MapRequest& r);
void DrawWorldLines(const DrawContext& c);
void DrawBorderFiles(const DrawContext& c, bool worldLinesDrawn);
void DrawRoadsAndTowns(const DrawContext& c);

// Marks on top: the marker, the service-area circle and the legend line.
void DrawMarker(const DrawContext& c);
void DrawServiceArea(const DrawContext& c);
void DrawLegend(const DrawContext& c);

}  // namespace terrainmap
