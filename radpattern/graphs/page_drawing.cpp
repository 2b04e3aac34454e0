#include "page_drawing.h"

#include <algorithm>
#include <cmath>

#include "cut_graphs.h"
#include "horizontal_graphs.h"
#include "number_text.h"
#include "pattern_value.h"
#include "polar_geometry.h"
#include "vertical_graphs.h"

namespace radpattern {
namespace {

bool XYView(EditorPage page, const GraphState& st) { return page == EditorPage::Vertical && !st.alternateView; }

// The readout of a diagram value: "#.# dB" or "#.##".
std::string DiaText(std::string_view code, float angle, Scale scale) {
  if (scale == Scale::Db) return FixedText(PatternValue(code, angle, kPatternDb), 1) + " dB";
  return FixedText(PatternValue(code, angle, kPatternRatio), 2);
}

}  // namespace

PageLayout LayoutFor(EditorPage page, const quorla::DrawingSurface& s) {
  return LayoutPage(page, s.LogicalWidth(), s.LogicalHeight());
}

void DrawPage(quorla::DrawingSurface& s, EditorPage page, const GraphState& st) {
  s.SetBrush(quorla::kWhite);
  s.Clear();
  const PageLayout l = LayoutFor(page, s);
  switch (page) {
    case EditorPage::Horizontal:
      if (st.alternateView) DrawHorizontalTable(s, l, st);
      else DrawHorizontalPolar(s, l, st, false);
      break;
    case EditorPage::Azimuth: DrawHorizontalPolar(s, l, st, true); break;
    case EditorPage::Vertical:
      if (XYView(page, st)) DrawVerticalXY(s, l, st);
      else DrawVerticalPolar(s, l, st, false);
      break;
    case EditorPage::Elevation: DrawVerticalPolar(s, l, st, true); break;
    case EditorPage::ThreeD:
      DrawAzimuthalCut(s, l, st);
      DrawVerticalCut(s, l, st);
      break;
  }
}

bool ClickOnPage(EditorPage page, const PageLayout& l, quorla::LogicalPoint p, GraphState& st) {
  if (page == EditorPage::Azimuth) {
    const auto a = PolarAngleAt(l.polar, p);
    if (!a) return false;
    st.aziMax = static_cast<float>(*a);
    return true;
  }
  if (page == EditorPage::Elevation) {
    const auto a = PolarAngleAt(l.polar, p);
    if (!a) return false;
    st.eleMax = static_cast<float>(std::clamp(ElevationOfClockAngle(*a), -80.0, 80.0));
    return true;
  }
  if (page == EditorPage::ThreeD) {
    if (const auto a = PolarAngleAt(l.polar, p)) {
      st.testAzimuth = static_cast<float>(*a);
      return true;
    }
    if (const auto a = PolarAngleAt(l.second, p)) {
      st.testElevation = static_cast<float>(std::clamp(ElevationOfClockAngle(*a), -80.0, 80.0));
      return true;
    }
  }
  return false;
}

std::string HoverText(EditorPage page, const PageLayout& l, quorla::LogicalPoint p, const GraphState& st) {
  switch (page) {
    case EditorPage::Horizontal:
    case EditorPage::Azimuth: {
      if (page == EditorPage::Horizontal && st.alternateView) return {};
      const auto a = PolarAngleAt(l.polar, p);
      if (!a) return {};
      const float off = page == EditorPage::Azimuth ? st.aziMax : 0.0f;
      return "Azi =" + std::to_string(*a) + "°, Dia = " + DiaText(st.hcode, static_cast<float>(*a) - off, st.scale);
    }
    case EditorPage::Vertical:
    case EditorPage::Elevation: {
      double e;
      if (XYView(page, st)) {
        const PlotRect& r = l.plot;
        if (p.x < r.left || p.x > r.right || p.y < r.top || p.y > r.bottom) return {};
        e = -90.0 + (p.x - r.left) / (r.right - r.left) * 180.0;
        e = std::round(e * 2.0) / 2.0;
      } else {
        const auto a = PolarAngleAt(l.polar, p);
        if (!a || *a > 180) return {};
        e = ElevationOfClockAngle(*a);
      }
      const float off = page == EditorPage::Elevation ? st.eleMax : 0.0f;
      return "Ele =" + TrimmedOneDecimal(e) + "°, Dia = " + DiaText(st.vcode, off - static_cast<float>(e), st.scale);
    }
    case EditorPage::ThreeD:
      if (const auto a = PolarAngleAt(l.polar, p)) return "testAzi (mouse) =" + std::to_string(*a) + "°";
      if (const auto a = PolarAngleAt(l.second, p))
        return "testEle (mouse) = " + TrimmedOneDecimal(ElevationOfClockAngle(*a)) + "°";
      return {};
  }
  return {};
}

}  // namespace radpattern
