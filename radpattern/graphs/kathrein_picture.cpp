#include "kathrein_picture.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "pattern_value.h"
#include "polar_grid.h"

namespace radpattern {
namespace {

using quorla::BiText;

constexpr BiText kSourceFile{"source file:", "ant.soubor:"};
constexpr BiText kFromDirectory{"  from directory  ", "  z adresáře  "};
constexpr BiText kAntennaName{"name of antenna:  ", "jméno antény:  "};
constexpr BiText kFrequency{"frequency = ", "kmitočet = "};
constexpr BiText kGain{" MHz     gain =", " MHz     zisk ="};
constexpr BiText kHorizontalCaption{"Horiz.diag.(Azimuth)", "Horiz.diag.(Azimut)"};
constexpr BiText kVerticalCaption{"Vert.diag.(Tilt)", "Vert.diag.(Klopení)"};

std::string Format(const char* format, double v) {
  char text[64];
  std::snprintf(text, sizeof text, format, v);
  return text;
}

// Tilt grows downward from the horizon (to the right): clock angle 90 + tilt.
double TiltClock(double tilt) { return 90.0 + tilt; }

}  // namespace

KathreinLayout LayoutKathrein(double width, double height) {
  const double top = 0.22 * height;
  const double r = std::min(0.19 * width, 0.33 * (height - top));
  const double cy = top + (height - top) / 2;
  return {{{0.25 * width, cy}, r}, {{0.72 * width, cy}, r}};
}

void DrawKathreinPicture(quorla::DrawingSurface& s, const KathreinPicture& p) {
  const quorla::Language l = p.language;
  s.SetBrush(quorla::kWhite);
  s.Clear();
  const double w = s.LogicalWidth(), h = s.LogicalHeight();
  const KathreinLayout k = LayoutKathrein(w, h);
  const double row = 0.045 * h;
  s.SetFont(CaptionFont(row * 0.9));
  if (p.pattern) {
    s.MoveTo(0.01 * w, 0.01 * h);
    s.TextRow(std::string(kSourceFile(l)) + p.fileName + std::string(kFromDirectory(l)) + p.directory);
    s.MoveTo(0.01 * w, 0.01 * h + row);
    s.TextRow(std::string(kAntennaName(l)) + "Kathrein, " + p.pattern->name);
    s.MoveTo(0.01 * w, 0.01 * h + 2 * row);
    s.TextRow(std::string(kFrequency(l)) + Format("%g", p.pattern->frequencyMHz) + std::string(kGain(l)) +
              Format("%5.1f dBi", p.pattern->gainDbi));
  }
  DrawPolarGrid(s, k.horizontal, GridKind::Compass, Scale::Db);
  DrawPolarGrid(s, k.vertical, GridKind::Elevation3D, Scale::Db);
  s.SetFont(CaptionFont(row * 0.9));
  for (const auto& [g, caption] : {std::pair{k.horizontal, kHorizontalCaption(l)}, std::pair{k.vertical, kVerticalCaption(l)}}) {
    s.MoveTo(g.centre.x, g.centre.y - 1.22 * g.radius - 1.1 * row);
    s.TextRow(caption, quorla::TextAlign::Centre);
  }
  if (!p.pattern) return;

  std::vector<std::pair<double, double>> curve;
  for (int i = 0; i <= 360; ++i) curve.emplace_back(i, p.pattern->horizontal[static_cast<size_t>(i % 360)]);
  DrawPolarCurve(s, k.horizontal, curve);
  curve.clear();
  for (int i = 0; i <= 360; ++i) curve.emplace_back(TiltClock(i), p.pattern->vertical[static_cast<size_t>(i % 360)]);
  DrawPolarCurve(s, k.vertical, curve);
  if (!p.fit) return;

  const KathreinFit& f = *p.fit;
  curve.clear();
  for (int a = 1; a <= 360; ++a)
    curve.emplace_back(a, PatternValue(f.hcode, static_cast<float>(a - f.aziMax), kPatternRatio));
  DrawPolarCurve(s, k.horizontal, curve, kFittedColour);
  curve.clear();
  for (int a = 0; a <= 360; ++a)
    curve.emplace_back(TiltClock(a), PatternValue(f.vcode, static_cast<float>(a - f.tilt), kPatternRatio));
  DrawPolarCurve(s, k.vertical, curve, kFittedColour);
  s.SetFont(CaptionFont(row * 0.9));
  // Under each graph: the fitted code and its direction.
  s.MoveTo(k.horizontal.centre.x, k.horizontal.centre.y + 1.22 * k.horizontal.radius + 0.2 * row);
  s.TextRow(f.hcode + "   Azi Max =" + Format("%6.1f", f.aziMax) + "°", quorla::TextAlign::Centre);
  s.MoveTo(k.vertical.centre.x, k.vertical.centre.y + 1.22 * k.vertical.radius + 0.2 * row);
  s.TextRow(f.vcode + "   Ele Max =" + Format("%6.1f", f.eleMax) + "°", quorla::TextAlign::Centre);
}

void DrawPictureFrame(quorla::DrawingSurface& s, quorla::Rgb colour) {
  const double u = s.UnitsPerPixel();
  s.SetBrush(quorla::kWhite, quorla::BrushStyle::Hollow);
  s.SetPen(colour);
  s.MoveTo(0.5 * u, 0.5 * u);
  s.Rect(s.LogicalWidth() - 0.5 * u, s.LogicalHeight() - 0.5 * u);
}

}  // namespace radpattern
