// The editor window with a file of 1,000,000 records, through the real widgets: Open (the file
// dialog answered at once) until the list is shown and the window idle, against cp of the same
// file; and each of the sixteen sorts until the list is repainted, against std::sort of one
// million 64-bit integers, all in the same run. Run offscreen (QT_QPA_PLATFORM=offscreen) or under
// an X server.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <memory>

#include "editor_baselines.h"
#include "tests/file_dialog_answer.h"
#include "ui/editor_window.h"
#include "ui/record_list_view.h"

namespace {

using namespace recbook;


QApplication& App() {
  static int argc = 1;
  static char name[] = "editor_window_bench";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}


// The window has drawn what it shows and has nothing left to do.
void UntilIdle(ui::EditorWindow& window) {
  QApplication::processEvents();
  window.listView().viewport()->repaint();
  QApplication::processEvents();
}

void BM_CpBaseline(benchmark::State& state) { bench::CpMillionRecordFile(state); }
BENCHMARK(BM_CpBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenInWindow(benchmark::State& state) {
  App();
  bench::MillionRecordFile();
  for (auto _ : state) {
    state.PauseTiming();
    auto window = std::make_unique<ui::EditorWindow>(EditorStart{" Bench:", quorla::Language::English, "", ""}, nullptr);
    window->presenter().Start();
    window->show();
    UntilIdle(*window);
    recbook::testing::ChooseFile(bench::MillionRecordFile(), 0);
    state.ResumeTiming();
    window->action(kOpenFile)->trigger();
    UntilIdle(*window);
    state.PauseTiming();
    if (window->presenter().list().size() != 1000000) state.SkipWithError("not opened");
    window->presenter().Finish();
    window.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenInWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_StdSortMillion(benchmark::State& state) { bench::StdSortMillionIntegers(state); }
BENCHMARK(BM_StdSortMillion)->Unit(benchmark::kMillisecond);

// Each order from file order, a line selected, through the Sort menu's action.
void BM_SortInWindow(benchmark::State& state) {
  App();
  static ui::EditorWindow* window = [] {
    auto* w = new ui::EditorWindow({" Bench:", quorla::Language::English, "", ""}, nullptr);
    w->presenter().Start();
    w->show();
    recbook::testing::ChooseFile(bench::MillionRecordFile(), 0);
    w->action(kOpenFile)->trigger();
    UntilIdle(*w);
    return w;
  }();
  const int order = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    window->action(order == 300 ? 301 : 300)->trigger();
    UntilIdle(*window);
    state.ResumeTiming();
    window->action(order)->trigger();
    UntilIdle(*window);
  }
}
BENCHMARK(BM_SortInWindow)->DenseRange(300, 315)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

}  // namespace
