#include "cut_graphs.h"

#include <cmath>
#include <string>

#include "graph_texts.h"
#include "number_text.h"
#include "polar_grid.h"
#include "total_loss.h"

namespace radpattern {
namespace {

double RatioOfLoss(float lossDb) { return std::pow(10.0, -lossDb / 20.0); }

}  // namespace

float StateTotalLoss(const GraphState& st, float az, float el) {
  return st.newMethod ? NewTotalLoss(st.hcode, st.vcode, az, el) : OldTotalLoss(st.hcode, st.vcode, az, el);
}

void DrawAzimuthalCut(quorla::DrawingSurface& s, const PageLayout& l, const GraphState& st) {
  const double h = l.textBand / 3.2;
  DrawPolarGrid(s, l.polar, GridKind::Compass, st.scale);
  std::vector<std::pair<double, double>> curve;
  curve.reserve(361);
  const float el = st.eleMax - st.testElevation;
  for (int a = 0; a <= 360; ++a) curve.emplace_back(a, RatioOfLoss(StateTotalLoss(st, static_cast<float>(a) - st.aziMax, el)));
  DrawPolarCurve(s, l.polar, curve);
  DrawMarker(s, l.polar, st.testAzimuth);
  s.SetFont(CaptionFont(h));
  s.MoveTo(l.polar.centre.x, 0.01 * l.height);
  s.TextRow(std::string(texts::kAzimuthalCut(st.language)) + FixedText(st.testElevation, 1) + ")",
            quorla::TextAlign::Centre);
  s.MoveTo(0.01 * l.width, l.height - 1.2 * h);
  s.TextRow("Horiz.diag.: " + st.hcode + ",   AziMax = " + FixedText(st.aziMax, 1));
}

void DrawVerticalCut(quorla::DrawingSurface& s, const PageLayout& l, const GraphState& st) {
  const double h = l.textBand / 3.2;
  DrawPolarGrid(s, l.second, GridKind::Elevation3D, st.scale);
  const float front = st.testAzimuth - st.aziMax;
  const float back = 180.0f + st.testAzimuth - st.aziMax;
  std::vector<std::pair<double, double>> curve;
  curve.reserve(722);
  // Front half: clock angle 450 - e (90 - e); back half mirrored: 270 + e, from -90 back up to 90.
  for (int k = 0; k <= 360; ++k) {
    const double e = 90.0 - 0.5 * k;
    curve.emplace_back(450.0 - e, RatioOfLoss(StateTotalLoss(st, front, st.eleMax - static_cast<float>(e))));
  }
  for (int k = 0; k <= 360; ++k) {
    const double e = -90.0 + 0.5 * k;
    curve.emplace_back(270.0 + e, RatioOfLoss(StateTotalLoss(st, back, st.eleMax - static_cast<float>(e))));
  }
  DrawPolarCurve(s, l.second, curve);
  DrawMarker(s, l.second, 90.0 - st.testElevation);
  s.SetFont(CaptionFont(h));
  s.MoveTo(l.second.centre.x, 0.01 * l.height);
  s.TextRow(std::string(texts::kVerticalCut(st.language)) + FixedText(st.testAzimuth, 1) + ")      ",
            quorla::TextAlign::Centre);
  s.MoveTo(l.second.centre.x, 0.01 * l.height + 1.3 * h);
  s.TextRow(st.newMethod ? texts::kNew3D(st.language) : texts::kOld3D(st.language), quorla::TextAlign::Centre);
  s.MoveTo(0.99 * l.width, l.height - 1.2 * h);
  s.TextRow("Vert.diag.: " + st.vcode + ",   EleMax = " + FixedText(st.eleMax, 1), quorla::TextAlign::Right);
}

}  // namespace radpattern
