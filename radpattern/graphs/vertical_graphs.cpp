#include "vertical_graphs.h"

#include <algorithm>
#include <string>

#include "graph_texts.h"
#include "number_text.h"
#include "pattern_value.h"
#include "polar_grid.h"

namespace radpattern {
namespace {

using quorla::DrawingSurface;

void VerticalTexts(DrawingSurface& s, const PageLayout& l, const GraphState& st) {
  const quorla::Language lang = st.language;
  const double h = l.textBand / 3.2;
  s.SetFont(CaptionFont(h));
  s.MoveTo(0.01 * l.width, 0.01 * l.height);
  s.TextRow(std::string(texts::kVertical(lang)) + std::string(texts::kVerticalSuffix(lang)) +
            FixedText(st.aziMax, 1) + "°,ele)");
  s.MoveTo(0.01 * l.width, 0.01 * l.height + 1.3 * h);
  s.TextRow(st.vcode + "  ");
  s.MoveTo(0.99 * l.width, 0.01 * l.height);
  s.TextRow(std::string(texts::kEleMaxIs(lang)) + FixedText(st.eleMax, 1) + "°", quorla::TextAlign::Right);
}

}  // namespace

double ElevationOfClockAngle(int clockAngle) {
  return clockAngle <= 180 ? 90.0 - clockAngle : clockAngle - 270.0;
}

void DrawVerticalXY(DrawingSurface& s, const PageLayout& l, const GraphState& st) {
  VerticalTexts(s, l, st);
  const PlotRect& p = l.plot;
  const bool db = st.scale == Scale::Db;
  const double h = l.textBand / 3.2;
  s.SetFont(CaptionFont(h));
  s.MoveTo(p.left, p.top - 1.2 * h);
  s.TextRow(std::string(texts::kXYCaption(st.language)) + (db ? std::string(texts::kAttenuationDb(st.language)) : "E/Emax"));

  auto xOf = [&](double e) { return p.left + (e + 90.0) / 180.0 * (p.right - p.left); };
  // dB: 0 at the top, growing downward; linear: 1 at the top.
  auto yOf = [&](double v) {
    const double f = db ? std::min(v, kXYMaxDb) / kXYMaxDb : 1.0 - v;
    return p.top + f * (p.bottom - p.top);
  };
  s.SetBrush(quorla::kWhite);
  s.SetPen(quorla::kBlack);
  s.MoveTo(p.left, p.top);
  s.Rect(p.right, p.bottom);
  s.SetFont({"Courrier New", h * 0.9});
  for (int e = -90; e <= 90; e += 10) {
    s.SetPen(e % 30 == 0 ? quorla::MakeRgb(150, 150, 150) : quorla::MakeRgb(225, 225, 225));
    s.Line(xOf(e), p.top, xOf(e), p.bottom);
    if (e % 30 == 0) {
      s.MoveTo(xOf(e), p.bottom + 0.2 * h);
      s.TextRow(std::to_string(e), quorla::TextAlign::Centre);
    }
  }
  for (int i = 0; i <= 4; ++i) {
    const double v = db ? 10.0 * i : 1.0 - 0.2 * i;
    s.SetPen(quorla::MakeRgb(150, 150, 150));
    s.Line(p.left, yOf(v), p.right, yOf(v));
    s.MoveTo(p.left - 0.3 * h, yOf(v) - h / 2);
    s.TextRow(db ? std::to_string(10 * i) : FixedText(v, 1), quorla::TextAlign::Right);
  }
  std::vector<quorla::LogicalPoint> curve;
  curve.reserve(361);
  for (int k = 0; k <= 360; ++k) {
    const double e = -90.0 + 0.5 * k;
    const float v = PatternValue(st.vcode, static_cast<float>(-e), db ? kPatternDb : kPatternRatio);
    curve.push_back({xOf(e), yOf(v)});
  }
  s.SetPen(kCurveColour);
  s.Polyline(curve);
}

void DrawVerticalPolar(DrawingSurface& s, const PageLayout& l, const GraphState& st, bool turned) {
  VerticalTexts(s, l, st);
  DrawPolarGrid(s, l.polar, GridKind::Elevation, st.scale);
  const float offset = turned ? st.eleMax : 0.0f;
  std::vector<std::pair<double, double>> curve;
  curve.reserve(361);
  for (int k = 0; k <= 360; ++k) {
    const double e = 90.0 - 0.5 * k;
    curve.emplace_back(90.0 - e, PatternValue(st.vcode, offset - static_cast<float>(e), kPatternRatio));
  }
  DrawPolarCurve(s, l.polar, curve);
  if (turned) DrawMarker(s, l.polar, 90.0 - st.eleMax);
  const quorla::LogicalPoint at = CurvePoint(l.polar, 90.0 - offset, 1.02);
  s.SetFont(CaptionFont(l.textBand / 3.2));
  s.MoveTo(at.x, at.y);
  s.TextRow(texts::kEleMaxLabel(st.language));
}

}  // namespace radpattern
