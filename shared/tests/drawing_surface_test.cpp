#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <cstdio>
#include <filesystem>

#include "ui/qt_drawing_surface.h"
#include "ui/surface_widget.h"

using quorla::kBlack;
using quorla::kWhite;
using quorla::LogicalPoint;
using quorla::MakeRgb;
using quorla::PenStyle;
using quorla::ui::QtDrawingSurface;

namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "drawing_surface_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

constexpr quorla::Rgb kRed = MakeRgb(255, 0, 0);

}  // namespace

TEST(PointAtClockAngle, ClockDirectionsWithYDown) {
  constexpr struct { double angle, x, y; } kCases[] = {
      {0, 100, 90}, {90, 110, 100}, {180, 100, 110}, {270, 90, 100}, {360, 100, 90}, {-90, 90, 100},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.angle);
    const LogicalPoint p = quorla::PointAtClockAngle({100, 100}, c.angle, 10);
    EXPECT_NEAR(p.x, c.x, 1e-9);
    EXPECT_NEAR(p.y, c.y, 1e-9);
  }
}

TEST(QtDrawingSurface, LargerAxisIsThousandUnits) {
  App();
  constexpr struct { int w, h; double logicalW, logicalH; } kSizes[] = {
      {500, 350, 1000, 700}, {350, 500, 700, 1000}, {2000, 2000, 1000, 1000},
  };
  for (const auto& c : kSizes) {
    QtDrawingSurface s(c.w, c.h);
    EXPECT_DOUBLE_EQ(s.LogicalWidth(), c.logicalW);
    EXPECT_DOUBLE_EQ(s.LogicalHeight(), c.logicalH);
  }
  QtDrawingSurface s(500, 350);
  s.SetPen(kRed);
  s.Line(0, 101, 1000, 101);  // pixel row 50 (2 units per pixel)
  EXPECT_EQ(s.PixelColor(250, 50), kRed);
  EXPECT_EQ(s.PixelColor(250, 48), kWhite);
  EXPECT_EQ(s.PixelColor(250, 52), kWhite);
}

TEST(QtDrawingSurface, CircleAndRaysLieWhereTheGeometrySays) {
  App();
  QtDrawingSurface s(400, 400);  // 2.5 units per pixel
  s.SetBrush(kWhite, quorla::BrushStyle::Hollow);
  s.SetPen(kRed);
  s.MoveTo(500, 500);
  s.Circle(250);  // radius 100 px round pixel (200, 200)
  EXPECT_EQ(s.PixelColor(200, 100), kRed);
  EXPECT_EQ(s.PixelColor(300, 200), kRed);
  EXPECT_EQ(s.PixelColor(200, 200), kWhite);  // hollow
  s.SetPen(kBlack);
  s.Ray(90, 200);  // to the right, 80 px
  EXPECT_EQ(s.PixelColor(260, 200), kBlack);
  EXPECT_EQ(s.PixelColor(200, 150), kWhite);
  EXPECT_EQ(s.CurrentPoint().x, 500);  // a ray leaves the current point
}

TEST(QtDrawingSurface, PenWeightFollowsThePixelRatio) {
  App();
  for (const double ratio : {1.0, 2.0}) {
    SCOPED_TRACE(ratio);
    QtDrawingSurface s(static_cast<int>(200 * ratio), static_cast<int>(100 * ratio), ratio);
    s.SetPen(kBlack, PenStyle::Solid, 0);
    s.Line(0, 250, 1000, 250);
    int rows = 0;
    for (int y = 0; y < s.PixelHeight(); ++y) rows += s.PixelColor(s.PixelWidth() / 2, y) == kBlack;
    EXPECT_EQ(rows, static_cast<int>(ratio));
  }
}

TEST(QtDrawingSurface, SavedAreaRestoresWhatWasUnderIt) {
  App();
  QtDrawingSurface s(200, 200);
  s.SetBrush(MakeRgb(0, 0, 255));
  s.MoveTo(0, 0);
  s.Rect(500, 500);
  const quorla::SavedArea kept = s.SaveArea(250, 250, 750, 750);
  s.SetBrush(kRed);
  s.MoveTo(0, 0);
  s.Rect(1000, 1000);
  s.RestoreArea(kept);
  EXPECT_EQ(s.PixelColor(60, 60), MakeRgb(0, 0, 255));
  EXPECT_EQ(s.PixelColor(140, 140), kWhite);  // inside the area, white when it was kept
  EXPECT_EQ(s.PixelColor(10, 10), kRed);    // outside the area
  s.RestoreArea({5, 5, {10, 10, std::vector<uint32_t>(3, 0)}});  // a short area changes nothing
  EXPECT_EQ(s.PixelColor(6, 6), kRed);
}

TEST(QtDrawingSurface, TextRowsAlignOnTheCurrentPoint) {
  App();
  QtDrawingSurface s(400, 200);
  s.SetFont({"MS Sans Serif", 50});
  const double w = s.TextWidth("WWW");
  ASSERT_GT(w, 0);
  auto inkColumns = [&] {
    int first = -1, last = -1;
    for (int x = 0; x < s.PixelWidth(); ++x)
      for (int y = 0; y < s.PixelHeight(); ++y)
        if (s.PixelColor(x, y) != kWhite) {
          if (first < 0) first = x;
          last = x;
          break;
        }
    return std::pair{first, last};
  };
  s.MoveTo(500, 100);
  s.TextRow("WWW", quorla::TextAlign::Right);
  const auto [first, last] = inkColumns();
  EXPECT_LE(last, 200 + 1);                      // ends at the point (x 500 = pixel 200)
  EXPECT_GE(first, 200 - w / 2.5 - 2);
  EXPECT_EQ(s.PixelColor(10, 190), kWhite);      // the row hangs below the point, not far below
}

TEST(QtDrawingSurface, RubberBandLeavesThePictureAlone) {
  App();
  QtDrawingSurface s(100, 100);
  const quorla::Picture before = s.Snapshot();
  s.SetRubberBand(std::vector<LogicalPoint>{{0, 0}, {1000, 1000}});
  EXPECT_EQ(s.Snapshot().pixels, before.pixels);
  ASSERT_TRUE(s.rubberBand().has_value());
}

TEST(QtDrawingSurface, SavesPngAndBmpAndRefusesOtherNames) {
  App();
  QtDrawingSurface s(64, 32);
  s.SetPen(kRed);
  s.Line(0, 133, 1000, 133);  // pixel row 8
  const auto dir = std::filesystem::temp_directory_path() / "drawing_surface_test";
  std::filesystem::create_directories(dir);
  for (const char* name : {"a.png", "b.BMP"}) {
    const std::string path = (dir / name).string();
    ASSERT_TRUE(s.SaveToFile(path)) << name;
    const QImage back(QString::fromStdString(path));
    ASSERT_EQ(back.size(), QSize(64, 32));
    EXPECT_EQ(back.pixel(32, 8) & 0xFFFFFFu, kRed) << name;
  }
  EXPECT_FALSE(s.SaveToFile((dir / "c.txt").string()));
  EXPECT_FALSE(s.SaveToFile((dir / "missing" / "d.png").string()));
  std::filesystem::remove_all(dir);
}

TEST(SurfaceWidget, DrawsAtItsOwnSizeAndShowsThePicture) {
  App();
  quorla::ui::SurfaceWidget w;
  w.resize(300, 150);
  int calls = 0;
  w.OnRedraw([&](quorla::DrawingSurface& s) {
    ++calls;
    s.SetBrush(kRed);
    s.Clear();
  });
  w.Redraw();
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(w.surface().PixelWidth(), 300);
  EXPECT_EQ(w.surface().PixelHeight(), 150);
  const QImage shown = w.grab().toImage();
  EXPECT_EQ(shown.pixel(150, 75) & 0xFFFFFFu, kRed);
  w.resize(200, 150);
  w.grab();  // a paint at the new size makes a new picture and asks for it
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(w.surface().PixelWidth(), 200);
}
