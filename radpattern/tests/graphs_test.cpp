// The editor's pictures drawn into images: curve positions and colours, rings by scale, the
// table's values, the 3D cuts and the mouse mapping.
#include <gtest/gtest.h>

#include <QApplication>
#include <cmath>
#include <set>

#include "horizontal_graphs.h"
#include "page_drawing.h"
#include "pattern_value.h"
#include "polar_grid.h"
#include "vertical_graphs.h"
#include "ui/qt_drawing_surface.h"

using radpattern::EditorPage;
using radpattern::GraphState;
using radpattern::PolarGeometry;
using quorla::ui::QtDrawingSurface;

namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "graphs_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

struct Pixel {
  int x, y;
  auto operator<=>(const Pixel&) const = default;
};

std::set<Pixel> PixelsOf(const QtDrawingSurface& s, quorla::Rgb colour) {
  std::set<Pixel> found;
  for (int y = 0; y < s.PixelHeight(); ++y)
    for (int x = 0; x < s.PixelWidth(); ++x)
      if (s.PixelColor(x, y) == colour) found.insert({x, y});
  return found;
}

// A polar graph's centre and radius in pixels.
struct PixelCircle {
  double cx, cy, r;
};
PixelCircle InPixels(const QtDrawingSurface& s, const PolarGeometry& g) {
  const double u = s.UnitsPerPixel();
  return {g.centre.x / u, g.centre.y / u, g.radius / u};
}

double Distance(const Pixel& p, const PixelCircle& c) { return std::hypot(p.x + 0.5 - c.cx, p.y + 0.5 - c.cy); }

QtDrawingSurface Drawn(EditorPage page, const GraphState& st, int w = 1000, int h = 700) {
  App();
  QtDrawingSurface s(w, h);
  radpattern::DrawPage(s, page, st);
  return s;
}

}  // namespace

TEST(PatternGraphs, OmnidirectionalCurveLiesOnTheOuterCircle) {
  GraphState st;
  for (const EditorPage page : {EditorPage::Horizontal, EditorPage::Azimuth}) {
    const QtDrawingSurface s = Drawn(page, st);
    const PixelCircle c = InPixels(s, radpattern::LayoutFor(page, s).polar);
    const std::set<Pixel> red = PixelsOf(s, radpattern::kCurveColour);
    ASSERT_GT(red.size(), 5 * c.r) << "the whole circle is red";
    for (const Pixel& p : red) ASSERT_NEAR(Distance(p, c), c.r, 1.5) << p.x << "," << p.y;
  }
}

TEST(PatternGraphs, CurvePointsLieAtThePatternValue) {
  // 030EA10 turned to AziMax 45 on page 1: the curve at azimuth a has radius E(a - 45) R.
  GraphState st;
  st.hcode = "030EA10";
  st.aziMax = 45;
  const QtDrawingSurface s = Drawn(EditorPage::Azimuth, st);
  const PixelCircle c = InPixels(s, radpattern::LayoutFor(EditorPage::Azimuth, s).polar);
  const std::set<Pixel> red = PixelsOf(s, radpattern::kCurveColour);
  for (const int a : {45, 60, 75, 225, 300}) {
    SCOPED_TRACE(a);
    const double e = radpattern::PatternValue(st.hcode, static_cast<float>(a - 45), radpattern::kPatternRatio);
    const double rad = a * std::acos(-1.0) / 180.0;
    const double x = c.cx + e * c.r * std::sin(rad), y = c.cy - e * c.r * std::cos(rad);
    bool near = false;
    for (const Pixel& p : red) near |= std::hypot(p.x + 0.5 - x, p.y + 0.5 - y) <= 1.6;
    EXPECT_TRUE(near) << "no curve pixel near " << x << "," << y;
  }
  EXPECT_FALSE(PixelsOf(s, radpattern::kMarkerColour).empty()) << "the AziMax marker is blue";
}

TEST(PatternGraphs, LinearScaleMovesTheRingsButNotTheCurve) {
  GraphState st;
  st.hcode = "030EA10";
  const QtDrawingSurface db = Drawn(EditorPage::Horizontal, st);
  st.scale = radpattern::Scale::Linear;
  const QtDrawingSurface lin = Drawn(EditorPage::Horizontal, st);
  EXPECT_EQ(PixelsOf(db, radpattern::kCurveColour), PixelsOf(lin, radpattern::kCurveColour));
  EXPECT_NE(db.Snapshot().pixels, lin.Snapshot().pixels);
  // The 3 dB ring lies at 0.708 R in the lower half (clear of the curve); no linear ring does.
  const PixelCircle c = InPixels(db, radpattern::LayoutFor(EditorPage::Horizontal, db).polar);
  auto onRing = [&](const QtDrawingSurface& s) {
    int n = 0;
    for (int y = static_cast<int>(c.cy) + 5; y < c.cy + c.r; ++y)
      for (int x = static_cast<int>(c.cx - c.r); x < c.cx + c.r; ++x)
        n += std::abs(Distance({x, y}, c) - 0.708 * c.r) < 0.8 && s.PixelColor(x, y) != quorla::kWhite;
    return n;
  };
  EXPECT_GT(onRing(db), 3 * onRing(lin));
}

TEST(PatternGraphs, TableValuesByScale) {
  GraphState st;
  st.hcode = "030EA00";
  const std::vector<std::string> lines = radpattern::HorizontalTableLines(st);
  ASSERT_EQ(lines.size(), 361u);
  EXPECT_EQ(lines[0], "Horizontal diagram [dB] .............");
  EXPECT_EQ(lines[1 + 0], "  0°   0.0");
  EXPECT_EQ(lines[1 + 30], " 30°   3.0");
  EXPECT_EQ(lines[1 + 330], "330°   3.0");
  EXPECT_EQ(lines[1 + 180], "180°  40.0");
  st.hcode = "000ND00";
  st.scale = radpattern::Scale::Linear;
  const std::vector<std::string> nd = radpattern::HorizontalTableLines(st);
  EXPECT_EQ(nd[0], "Horizontal diagram [E/Emax] .............");
  for (size_t i = 1; i < nd.size(); ++i) ASSERT_EQ(nd[i].substr(nd[i].size() - 5), "1.000") << i;
  st.language = quorla::Language::Czech;
  EXPECT_EQ(radpattern::HorizontalTableLines(st)[0], "Horizontální diagram [E/Emax] .............");
}

TEST(PatternGraphs, ThreeDCutsOfOmnidirectionalCodesAreFullCircles) {
  for (const bool method : {false, true}) {
    SCOPED_TRACE(method);
    GraphState st;
    st.newMethod = method;
    const QtDrawingSurface s = Drawn(EditorPage::ThreeD, st);
    const radpattern::PageLayout l = radpattern::LayoutFor(EditorPage::ThreeD, s);
    const std::set<Pixel> red = PixelsOf(s, radpattern::kCurveColour);
    const PixelCircle left = InPixels(s, l.polar), right = InPixels(s, l.second);
    size_t onLeft = 0, onRight = 0;
    for (const Pixel& p : red) {
      const bool l1 = std::abs(Distance(p, left) - left.r) <= 1.5, r1 = std::abs(Distance(p, right) - right.r) <= 1.5;
      ASSERT_TRUE(l1 || r1) << p.x << "," << p.y;
      onLeft += l1;
      onRight += r1;
    }
    EXPECT_GT(onLeft, 5 * left.r);
    EXPECT_GT(onRight, 5 * right.r);
  }
}

TEST(PatternGraphs, NewMethodVerticalCutShowsTheBackOfTheHorizontalDiagram) {
  GraphState st;
  st.hcode = "030EA10";
  st.vcode = "020EA00";
  st.newMethod = true;
  const QtDrawingSurface s = Drawn(EditorPage::ThreeD, st);
  const PixelCircle c = InPixels(s, radpattern::LayoutFor(EditorPage::ThreeD, s).second);
  // The curve at the horizon: in front (right) near the outer circle, behind (left) far inside it.
  auto reach = [&](int direction) {
    double far = 0;
    for (const Pixel& p : PixelsOf(s, radpattern::kCurveColour))
      if (std::abs(p.y + 0.5 - c.cy) < 1.5 && (p.x - c.cx) * direction > 0 && std::abs(p.x - c.cx) < 1.1 * c.r) far = std::max(far, std::abs(p.x + 0.5 - c.cx));
    return far / c.r;
  };
  EXPECT_NEAR(reach(+1), 1.0, 0.02);
  EXPECT_LT(reach(-1), 0.2);
}

TEST(PolarAngleAt, ClockAnglesAndOutside) {
  const PolarGeometry g{{500, 400}, 100};
  constexpr struct { double x, y; int angle; } kCases[] = {
      {600, 400, 90}, {400, 400, 270}, {500, 300, 0}, {500, 500, 180}, {500, 400, 270},  // centre: dy = 0, dx <= 0
      {550, 350, 45}, {550, 450, 135}, {450, 450, 225}, {450, 350, 315}, {499.9, 300, 0},  // 359.94 rounds to 0
      {604.9, 400, 90},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    const auto a = radpattern::PolarAngleAt(g, {c.x, c.y});
    ASSERT_TRUE(a.has_value());
    EXPECT_EQ(*a, c.angle);
  }
  EXPECT_FALSE(radpattern::PolarAngleAt(g, {605, 400}).has_value());  // 1.05 R
  EXPECT_FALSE(radpattern::PolarAngleAt(g, {500, 200}).has_value());
}

TEST(PatternGraphs, ClicksSetTheirAngles) {
  App();
  QtDrawingSurface s(1000, 700);
  GraphState st;
  auto clickAt = [&](EditorPage page, const PolarGeometry& g, double angle, double f) {
    return radpattern::ClickOnPage(page, radpattern::LayoutFor(page, s), quorla::PointAtClockAngle(g.centre, angle, f * g.radius), st);
  };
  const radpattern::PageLayout az = radpattern::LayoutFor(EditorPage::Azimuth, s);
  EXPECT_TRUE(clickAt(EditorPage::Azimuth, az.polar, 90, 0.5));
  EXPECT_EQ(st.aziMax, 90);
  EXPECT_FALSE(clickAt(EditorPage::Azimuth, az.polar, 200, 1.2));
  EXPECT_EQ(st.aziMax, 90);
  const radpattern::PageLayout el = radpattern::LayoutFor(EditorPage::Elevation, s);
  EXPECT_TRUE(clickAt(EditorPage::Elevation, el.polar, 60, 0.5));
  EXPECT_EQ(st.eleMax, 30);
  EXPECT_TRUE(clickAt(EditorPage::Elevation, el.polar, 2, 0.5));  // 88 above: the box's limit
  EXPECT_EQ(st.eleMax, 80);
  const radpattern::PageLayout d3 = radpattern::LayoutFor(EditorPage::ThreeD, s);
  EXPECT_TRUE(clickAt(EditorPage::ThreeD, d3.polar, 200, 0.5));
  EXPECT_EQ(st.testAzimuth, 200);
  EXPECT_TRUE(clickAt(EditorPage::ThreeD, d3.second, 120, 0.5));
  EXPECT_EQ(st.testElevation, -30);
  EXPECT_TRUE(clickAt(EditorPage::ThreeD, d3.second, 260, 0.5));  // the back half, 10 below the horizon
  EXPECT_EQ(st.testElevation, -10);
}

TEST(PatternGraphs, HoverReadouts) {
  App();
  QtDrawingSurface s(1000, 700);
  GraphState st;
  st.hcode = "030EA00";
  const radpattern::PageLayout l = radpattern::LayoutFor(EditorPage::Horizontal, s);
  const auto at30 = quorla::PointAtClockAngle(l.polar.centre, 30, 0.5 * l.polar.radius);
  EXPECT_EQ(radpattern::HoverText(EditorPage::Horizontal, l, at30, st), "Azi =30°, Dia = 3.0 dB");
  st.scale = radpattern::Scale::Linear;
  EXPECT_EQ(radpattern::HoverText(EditorPage::Horizontal, l, at30, st), "Azi =30°, Dia = 0.71");
  EXPECT_EQ(radpattern::HoverText(EditorPage::Horizontal, l, {1, 1}, st), "");
}

TEST(PatternGraphs, VerticalXYCurveHasTheSecondLobeBelowTheBeam) {
  // 320VE00: lobes 2 x 20 degrees apart; clockwise orientation puts the second one at e = -40.
  GraphState st;
  st.vcode = "320VE00";
  const QtDrawingSurface s = Drawn(EditorPage::Vertical, st);
  const radpattern::PlotRect p = radpattern::LayoutFor(EditorPage::Vertical, s).plot;
  const double u = s.UnitsPerPixel();
  const std::set<Pixel> red = PixelsOf(s, radpattern::kCurveColour);
  for (const int e : {-60, -40, -20, 0, 20, 40, 60}) {
    SCOPED_TRACE(e);
    const double db = std::min<double>(radpattern::PatternValue(st.vcode, static_cast<float>(-e), radpattern::kPatternDb),
                                       radpattern::kXYMaxDb);
    const double x = (p.left + (e + 90.0) / 180.0 * (p.right - p.left)) / u;
    const double y = (p.top + db / radpattern::kXYMaxDb * (p.bottom - p.top)) / u;
    bool near = false;
    for (const Pixel& q : red) near |= std::hypot(q.x + 0.5 - x, q.y + 0.5 - y) <= 1.6;
    EXPECT_TRUE(near) << "no curve pixel near " << x << "," << y;
  }
  EXPECT_LT(radpattern::PatternValue(st.vcode, 40.0f, radpattern::kPatternDb), 1.0f);   // the lobe below
  EXPECT_GT(radpattern::PatternValue(st.vcode, -40.0f, radpattern::kPatternDb), 3.0f);  // nothing above
}
