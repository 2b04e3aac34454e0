#include "polar_grid.h"

#include <string>

namespace radpattern {
namespace {

using quorla::DrawingSurface;
using quorla::LogicalPoint;
using quorla::MakeRgb;

constexpr quorla::Rgb kLightGrey = MakeRgb(225, 225, 225);
constexpr quorla::Rgb kDarkGrey = MakeRgb(150, 150, 150);
constexpr quorla::Rgb kRingGrey = MakeRgb(110, 110, 110);

const char* const kCompassLabels[12] = {"N", "30", "60", "E", "120", "150", "S", "210", "240", "W", "300", "330"};
const char* const kElevationLabels[12] = {"90", "60", "30", "0", "-30", "-60", "-90", "-120", "-150", "180", "150", "120"};

void Arc(DrawingSurface& s, const PolarGeometry& g, double ratio, double from, double to) {
  std::vector<LogicalPoint> points;
  for (double a = from; a <= to + 1e-9; a += 2.0) points.push_back(CurvePoint(g, a, ratio));
  s.Polyline(points);
}

// A text centred on a point (horizontally and vertically).
void CentredText(DrawingSurface& s, LogicalPoint at, double height, const std::string& text) {
  s.MoveTo(at.x, at.y - height / 2);
  s.TextRow(text, quorla::TextAlign::Centre);
}

std::vector<std::string> RingLabels(GridKind kind, Scale scale) {
  const bool vertical = kind == GridKind::Elevation;
  if (scale == Scale::Db) {
    if (vertical) return {"dB: 0", "3", "6", "10", "20"};
    return {"3dB", " 6", "10", "20"};
  }
  if (vertical) return {"1", ".8", ".6", ".4", ".2"};
  return {".8", ".6", ".4", ".2"};
}

}  // namespace

std::vector<double> RingRatios(Scale scale) {
  if (scale == Scale::Db) return {0.708, 0.5, 0.316, 0.1};
  return {0.8, 0.6, 0.4, 0.2};
}

quorla::FontSpec CaptionFont(double height) { return {"MS Sans Serif", height}; }

void DrawPolarGrid(DrawingSurface& s, const PolarGeometry& g, GridKind kind, Scale scale) {
  const double r = g.radius;
  const LogicalPoint c = g.centre;
  const bool half = kind == GridKind::Elevation;
  s.SetBrush(quorla::kWhite);
  s.SetPen(quorla::kBlack);
  s.MoveTo(c.x - (half ? 0.2 : 1.3) * r, c.y - 1.22 * r);
  s.Rect(c.x + 1.3 * r, c.y + 1.22 * r);

  const int lastAngle = half ? 180 : 350;
  for (int a = 0; a <= lastAngle; a += 10) {
    s.SetPen(a % 30 == 0 ? kDarkGrey : kLightGrey);
    s.MoveTo(c.x, c.y);
    s.Ray(a, r);
  }
  s.SetPen(kRingGrey, quorla::PenStyle::Dashed);
  for (const double e : RingRatios(scale)) Arc(s, g, e, 0, half ? 180 : 360);
  s.SetPen(quorla::kBlack);
  Arc(s, g, 1.0, 0, half ? 180 : 360);
  if (half) {
    s.MoveTo(c.x, c.y - r);
    s.LineTo(c.x, c.y + r);
  }

  s.SetFont({"Courrier New", r / 8, r / 24});
  const double h = r / 8;
  std::vector<double> ringAt = RingRatios(scale);
  if (half) ringAt.insert(ringAt.begin(), 1.0);
  const std::vector<std::string> ringLabels = RingLabels(kind, scale);
  for (size_t i = 0; i < ringAt.size(); ++i) {
    // Along the radial of 150 degrees on full graphs, along the upper axis on the half graph.
    const LogicalPoint at = half ? LogicalPoint{c.x - 0.02 * r, c.y - ringAt[i] * r}
                                 : CurvePoint(g, 150, ringAt[i]);
    s.MoveTo(at.x, at.y - (half ? h / 2 : 0));
    s.TextRow(ringLabels[i], half ? quorla::TextAlign::Right : quorla::TextAlign::Left);
  }
  const char* const* labels = kind == GridKind::Compass ? kCompassLabels : kElevationLabels;
  for (int i = 0; i < 12; ++i) {
    if (half && i > 6) break;
    CentredText(s, CurvePoint(g, 30.0 * i, 1.12), h, labels[i]);
  }
}

void DrawPolarCurve(DrawingSurface& s, const PolarGeometry& g,
                    const std::vector<std::pair<double, double>>& anglesAndRatios, quorla::Rgb colour) {
  std::vector<LogicalPoint> points;
  points.reserve(anglesAndRatios.size());
  for (const auto& [angle, ratio] : anglesAndRatios) points.push_back(CurvePoint(g, angle, ratio > 0 ? ratio : 0));
  s.SetPen(colour);
  s.Polyline(points);
}

void DrawMarker(DrawingSurface& s, const PolarGeometry& g, double clockAngle) {
  s.SetPen(kMarkerColour, quorla::PenStyle::Dashed);
  s.MoveTo(g.centre.x, g.centre.y);
  s.Ray(clockAngle, g.radius);
}

}  // namespace radpattern
