// Opening the antenna editor to its first drawn page once the QApplication exists (the limit is
// 150 ms): the window built, filled by its presenter, shown and its page's graph drawn.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "ui/antenna_editor_dialog.h"
#include "ui/surface_widget.h"

namespace {

QApplication& App() {
  static int argc = 3;
  static char name[] = "antenna_editor_bench", option[] = "-platform", platform[] = "offscreen";
  static char* argv[] = {name, option, platform, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

void OpenEditorToFirstPage(benchmark::State& state) {
  App();
  radpattern::EditorEntry entry;
  entry.hcode = "030EA10";
  entry.vcode = "320VE00";
  entry.page = static_cast<int>(state.range(0));
  entry.mode = 1;
  for (auto _ : state) {
    radpattern::ui::AntennaEditorDialog dialog(entry, nullptr);
    dialog.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(dialog.graph(static_cast<radpattern::EditorPage>(entry.page))->surface().PixelColor(0, 0));
  }
}
BENCHMARK(OpenEditorToFirstPage)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace
