// Close while the map window draws: the window on generated tiles, its map area about 1300 x 900
// pixels, Close pressed 40 ms into a drawing at size 9 (the height grid is being read). The time
// measured is Close itself: the window hidden and the drawing let go. The counters give the
// slowest Close and the time until the window is destroyed with its drawing thread ended (what
// MAPAHCM waits for before it returns to its caller, with the window already off the screen).
// Run it as it is and under load; the platform is the environment's (offscreen when not set).
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <memory>
#include <string>

#include "map_bench_terrain.h"
#include "ui/map_window.h"
#include "ui/qt_host.h"

namespace {

void ProcessEventsFor(int ms) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

void CloseDuringDrawing(benchmark::State& state) {
  terrainmap::MapOpening opening;
  opening.caption = "Bench";
  opening.kind = 1;
  opening.coords = "015E0000,50N0000";
  opening.radiusKm = 30;  // size 9
  opening.directories = {MapBenchTerrain::Dir(), ""};
  quorla::QtHost host;
  double goneSum = 0, closeMax = 0;
  int missed = 0;
  for (auto _ : state) {
    auto w = std::make_unique<terrainmap::ui::MapWindow>(nullptr, host, opening, nullptr, terrainmap::GeoBoxProperties{},
                                                         terrainmap::ui::MapWindowDialogs{});
    w->resize(1310, 1000);
    w->show();
    ProcessEventsFor(30);
    w->presenter().Open();
    ProcessEventsFor(40);
    missed += !w->presenter().drawing();
    QElapsedTimer t;
    t.start();
    w->presenter().CloseWindow();
    const double closed = t.nsecsElapsed() / 1e9;
    w.reset();
    const double gone = t.nsecsElapsed() / 1e9;
    state.SetIterationTime(closed);
    closeMax = std::max(closeMax, closed);
    goneSum += gone;
  }
  state.counters["close_max_ms"] = closeMax * 1e3;
  state.counters["gone_mean_ms"] = goneSum * 1e3 / static_cast<double>(state.iterations());
  state.counters["not_drawing"] = missed;  // drawings already over at Close: should be 0
}
BENCHMARK(CloseDuringDrawing)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
