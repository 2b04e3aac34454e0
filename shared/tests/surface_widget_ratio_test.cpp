#include <gtest/gtest.h>

#include <QApplication>

#include "ui/surface_widget.h"

// At a device pixel ratio of 2 the picture has the device's pixels and the widget shows it pixel
// for pixel: the thinnest line is two device pixels with sharp edges, nothing is scaled up.
TEST(SurfaceWidget, DrawsAtDevicePixels) {
  qputenv("QT_SCALE_FACTOR", "2");
  static int argc = 1;
  static char name[] = "surface_widget_ratio_test";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  quorla::ui::SurfaceWidget w;
  w.resize(100, 50);
  w.OnRedraw([](quorla::DrawingSurface& s) {
    s.SetBrush(quorla::kWhite);
    s.Clear();
    s.SetPen(quorla::kBlack);
    s.Line(0, 251, 1000, 251);  // device row 50
  });
  w.show();
  w.Redraw();
  ASSERT_DOUBLE_EQ(w.devicePixelRatioF(), 2.0);
  EXPECT_EQ(w.surface().PixelWidth(), 200);
  EXPECT_EQ(w.surface().PixelHeight(), 100);
  const QImage shown = w.grab().toImage();
  ASSERT_EQ(shown.size(), QSize(200, 100));
  int dark = 0;
  for (int y = 0; y < shown.height(); ++y) dark += (shown.pixel(100, y) & 0xFFFFFFu) == 0;
  EXPECT_EQ(dark, 2);
  for (int y = 0; y < shown.height(); ++y) {
    const uint32_t c = shown.pixel(100, y) & 0xFFFFFFu;
    EXPECT_TRUE(c == 0 || c == 0xFFFFFFu) << "a grey, scaled pixel at row " << y;
  }
}
