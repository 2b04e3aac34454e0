// Redrawing each antenna editor page at 1000 x 700 pixels (the limit is 8 ms a page, so that
// dragging over a graph never lags), both views of pages 0 and 2 and both 3D methods.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "page_drawing.h"
#include "ui/qt_drawing_surface.h"

namespace {

QGuiApplication& App() {
  static int argc = 3;
  static char name[] = "antenna_graphs_bench", option[] = "-platform", platform[] = "offscreen";
  static char* argv[] = {name, option, platform, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  return *app;
}

void RedrawPage(benchmark::State& state) {
  App();
  const auto page = static_cast<radpattern::EditorPage>(state.range(0));
  radpattern::GraphState st;
  st.hcode = "030EA10";
  st.vcode = "320VE00";
  st.aziMax = 45;
  st.eleMax = 5;
  st.alternateView = state.range(1) != 0;  // page 0: table, page 2: polar
  st.newMethod = state.range(1) != 0;      // page 4: the new method
  quorla::ui::QtDrawingSurface surface(1000, 700);
  for (auto _ : state) {
    radpattern::DrawPage(surface, page, st);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(RedrawPage)->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})->Unit(benchmark::kMillisecond);

}  // namespace
