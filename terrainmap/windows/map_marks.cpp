// What the map draws over its overlays: the marker, the service-area circle round the station
// and the legend line.
#include "geometry/sphere.h"
#include "windows/map_layers.h"
#include "windows/map_texts.h"

namespace terrainmap {

using quorla::LogicalPoint;

std::string LegendText(int sizeIndex, quorla::Language language) {
  std::string text(MapSizeAt(sizeIndex).label);
  if (sizeIndex == kFirstMapSize) text += map_texts::kNonInterpolated(language);
  if (sizeIndex >= kFirstTerritorySize) text += map_texts::kTerritory(language);
  return text;
}

// A cross in a ring, white under red so that it shows on every colour of the map.
void DrawMarker(const DrawContext& c) {
  if (!c.request.marker) return;
  const double u = c.surface.UnitsPerPixel();
  const LogicalPoint p = c.At(c.request.marker->lon, c.request.marker->lat);
  const double arm = 10 * u;
  for (const auto& [colour, width] : {std::pair{quorla::kWhite, 2}, std::pair{quorla::MakeRgb(255, 0, 0), 1}}) {
    c.surface.SetPen(colour, quorla::PenStyle::Solid, width);
    c.surface.SetBrush(colour, quorla::BrushStyle::Hollow);
    c.surface.Line(p.x - arm, p.y, p.x + arm, p.y);
    c.surface.Line(p.x, p.y - arm, p.x, p.y + arm);
    c.surface.MoveTo(p.x, p.y);
    c.surface.Circle(6 * u);
  }
}

void DrawServiceArea(const DrawContext& c) {
  const MapRequest& r = c.request;
  if (!r.station || !(r.radiusKm > 0)) return;
  std::vector<LogicalPoint> ring;
  for (int az = 0; az <= 360; az += 2) {
    const SpherePoint p = SphereDestination(r.station->lon, r.station->lat, r.radiusKm, az);
    ring.push_back(c.At(p.lon, p.lat));
  }
  c.surface.SetPen(quorla::kWhite, quorla::PenStyle::Solid, 2);
  c.surface.Polyline(ring);
  c.surface.SetPen(quorla::kBlack, quorla::PenStyle::Solid, 1);
  c.surface.Polyline(ring);
}

void DrawLegend(const DrawContext& c) {
  const double u = c.surface.UnitsPerPixel();
  quorla::FontSpec font;
  font.height = 18;
  c.surface.SetFont(font);
  c.surface.SetTextBackground(quorla::kWhite, true);
  c.surface.MoveTo(4 * u, c.surface.LogicalHeight() - 4 * u - font.height);
  c.surface.TextRow(LegendText(c.request.sizeIndex, c.request.language));
}

}  // namespace terrainmap
