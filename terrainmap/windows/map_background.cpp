// The terrain background of the map: the coloured height grid, the territory of the terrain
// files on the whole-region sizes, the graticule of whole degrees and the frame.
#include <algorithm>
#include <cmath>

#include "geometry/colour_scale.h"
#include "terrain_settings.h"
#include "terrain_tile.h"
#include "windows/map_layers.h"

namespace terrainmap {

using quorla::LogicalPoint;
using quorla::MakeRgb;

std::vector<LogicalPoint> DrawContext::Logical(const Polyline& line) const {
  std::vector<LogicalPoint> points;
  points.reserve(line.size());
  for (const LinePoint& p : line) points.push_back(At(p.lon, p.lat));
  return points;
}

void PlotHeightGrid(const DrawContext& c, const HeightGrid& grid) {
  if (grid.columns == 0) return;
  const double cellW = c.surface.LogicalWidth() / grid.columns, cellH = c.surface.LogicalHeight() / grid.rows;
  const bool onePixelCells = grid.columns == c.surface.PixelWidth() && grid.rows == c.surface.PixelHeight();
  const int z = c.request.sizeIndex;
  for (int j = 0; j < grid.rows && !c.Stopped(); ++j) {
    for (int i = 0; i < grid.columns; ++i) {
      const Rgb k = HeightColour(grid.At(i, j), grid.minimum, grid.maximum, z);
      const quorla::Rgb colour = MakeRgb(k.r, k.g, k.b);
      if (onePixelCells) {
        c.surface.Pixel((i + 0.5) * cellW, (j + 0.5) * cellH, colour);
        continue;
      }
      c.surface.SetPen(colour);
      c.surface.SetBrush(colour);
      c.surface.MoveTo(i * cellW, j * cellH);
      c.surface.Rect((i + 1) * cellW, (j + 1) * cellH);
    }
  }
}

void DrawTerritory(const DrawContext& c) {
  const MapBounds& b = c.frame.bounds;
  const quorla::Rgb colour = MakeRgb(220, 220, 180);
  c.surface.SetPen(colour);
  c.surface.SetBrush(colour);
  const int west = std::max(-25, static_cast<int>(std::floor(b.west)));
  const int east = std::min(35, static_cast<int>(std::floor(b.east)));
  const int south = std::max(35, static_cast<int>(std::floor(b.south)));
  const int north = std::min(77, static_cast<int>(std::floor(b.north)));
  for (int ilon = west; ilon <= east && !c.Stopped(); ++ilon)
    for (int ilat = south; ilat <= north; ++ilat) {
      if (quorla::FindTileFile(c.request.terrainDir, ilon, ilat).empty()) continue;
      const LogicalPoint nw = c.At(ilon, ilat + 1), se = c.At(ilon + 1, ilat);
      c.surface.MoveTo(nw.x, nw.y);
      c.surface.Rect(se.x, se.y);
    }
}

void DrawGraticule(const DrawContext& c) {
  const int z = c.request.sizeIndex;
  if (z > 15) c.surface.SetPen(MakeRgb(230, 230, 220));
  else c.surface.SetPen(z >= 10 ? MakeRgb(50, 50, 50) : MakeRgb(20, 20, 20), quorla::PenStyle::Dashed);
  const MapBounds& b = c.frame.bounds;
  const double w = c.surface.LogicalWidth(), h = c.surface.LogicalHeight();
  for (double lon = std::ceil(std::max(b.west, -180.0)); lon <= std::min(b.east, 180.0); ++lon) {
    const double x = c.At(lon, b.south).x;
    c.surface.Line(x, 0, x, h);
  }
  for (double lat = std::ceil(b.south); lat <= b.north; ++lat) {
    const double y = c.At(b.west, lat).y;
    c.surface.Line(0, y, w, y);
  }
}

void DrawFrame(const DrawContext& c) {
  const double u = c.surface.UnitsPerPixel();
  c.surface.SetPen(quorla::kBlack);
  c.surface.SetBrush(quorla::kWhite, quorla::BrushStyle::Hollow);
  c.surface.MoveTo(0, 0);
  c.surface.Rect(c.surface.LogicalWidth() - u, c.surface.LogicalHeight() - u);
}

}  // namespace terrainmap
