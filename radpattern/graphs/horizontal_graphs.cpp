#include "horizontal_graphs.h"

#include <cstdio>

#include "graph_texts.h"
#include "number_text.h"
#include "pattern_value.h"
#include "polar_grid.h"

namespace radpattern {

std::string ScaledValueText(float ratio, float db, Scale scale) {
  return scale == Scale::Db ? FixedText(db, 1) : FixedText(ratio, 3);
}

void DrawHorizontalPolar(quorla::DrawingSurface& s, const PageLayout& l, const GraphState& st, bool turned) {
  const quorla::Language lang = st.language;
  const double h = l.textBand / 3.2;
  s.SetFont(CaptionFont(h));
  s.MoveTo(0.01 * l.width, 0.01 * l.height);
  s.TextRow(std::string(texts::kHorizontal(lang)) + std::string(texts::kHorizontalSuffix(lang)));
  s.MoveTo(0.01 * l.width, 0.01 * l.height + h * 1.3);
  s.TextRow(st.hcode + "  ");
  s.MoveTo(0.99 * l.width, 0.01 * l.height);
  s.TextRow(std::string(texts::kAziMaxIs(lang)) + FixedText(st.aziMax, 1) + "°", quorla::TextAlign::Right);

  DrawPolarGrid(s, l.polar, GridKind::Compass, st.scale);
  const float offset = turned ? st.aziMax : 0.0f;
  std::vector<std::pair<double, double>> curve;
  curve.reserve(361);
  for (int a = 0; a <= 360; ++a) curve.emplace_back(a, PatternValue(st.hcode, static_cast<float>(a) - offset, kPatternRatio));
  DrawPolarCurve(s, l.polar, curve);
  if (turned) {
    DrawMarker(s, l.polar, st.aziMax);
    const quorla::LogicalPoint at = CurvePoint(l.polar, st.aziMax, 1.02);
    s.SetFont(CaptionFont(h));
    s.MoveTo(at.x, at.y);
    s.TextRow(texts::kAziMaxLabel(lang));
  }
}

std::vector<std::string> HorizontalTableLines(const GraphState& st) {
  std::vector<std::string> lines;
  lines.reserve(361);
  lines.push_back(std::string(texts::kTableHeading(st.language)) + (st.scale == Scale::Db ? "[dB]" : "[E/Emax]") +
                  " .............");
  for (int a = 0; a < 360; ++a) {
    const float ratio = PatternValue(st.hcode, static_cast<float>(a), kPatternRatio);
    const float db = PatternValue(st.hcode, static_cast<float>(a), kPatternDb);
    char angle[8];
    std::snprintf(angle, sizeof angle, "%3d", a);
    std::string value = ScaledValueText(ratio, db, st.scale);
    if (value.size() < 6) value.insert(0, 6 - value.size(), ' ');
    lines.push_back(std::string(angle) + "°" + value);
  }
  return lines;
}

void DrawHorizontalTable(quorla::DrawingSurface& s, const PageLayout& l, const GraphState& st) {
  const std::vector<std::string> lines = HorizontalTableLines(st);
  const double top = 0.01 * l.height;
  const double rowHeight = (l.height - top) / TableRowsHigh();
  s.SetFont(CaptionFont(1.5 * rowHeight));
  s.MoveTo(0.01 * l.width, top);
  s.TextRow(lines[0]);
  s.SetFont({"Courrier New", rowHeight * 1.05});
  const double columnWidth = l.width / 3.0;
  const double firstRow = top + 2.0 * rowHeight;
  for (size_t i = 1; i < lines.size(); ++i) {
    const size_t k = i - 1;
    s.MoveTo(0.02 * l.width + static_cast<double>(k / 120) * columnWidth, firstRow + static_cast<double>(k % 120) * rowHeight);
    s.TextRow(lines[i]);
  }
}

}  // namespace radpattern
