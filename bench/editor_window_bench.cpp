// The editor window with a file of 1,000,000 records, through the real widgets: Open (the file
// dialog answered at once) until the list is shown and the window idle, against cp of the same
// file; and each of the sixteen sorts until the list is repainted, against std::sort of one
// million 64-bit integers, all in the same run. Run offscreen (QT_QPA_PLATFORM=offscreen) or under
// an X server.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>

#include "atomic_file.h"
#include "platform_paths.h"
#include "records/sample_generator.h"
#include "ui/editor_window.h"
#include "ui/record_list_view.h"

namespace {

using namespace recbook;

const std::string& Million() {
  static const std::string path = [] {
    const std::string p = quorla::PrivateTempDirectory() + "editor_window_bench_1M.xms";
    std::string bytes = SampleFile(1000000, 1, {2026, 12, 7, 0, 0, 0});
    bytes.replace(186, 6, "      ");  // a million does not fit the six-digit count: counted from the size
    quorla::WriteFileAtomically(p, bytes);
    return p;
  }();
  return path;
}

QApplication& App() {
  static int argc = 1;
  static char name[] = "editor_window_bench";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// Answers the next file dialog with the path as soon as it shows.
void ChooseFile(const std::string& path) {
  auto* timer = new QTimer;
  timer->setInterval(0);
  QObject::connect(timer, &QTimer::timeout, [timer, path] {
    auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!d) return;
    if (auto* name = d->findChild<QLineEdit*>("fileNameEdit")) name->setText(QString::fromStdString(path));
    QMetaObject::invokeMethod(d, "accept");
    if (d->isVisible()) return;
    timer->stop();
    timer->deleteLater();
  });
  timer->start();
}

// The window has drawn what it shows and has nothing left to do.
void UntilIdle(ui::EditorWindow& window) {
  QApplication::processEvents();
  window.listView().viewport()->repaint();
  QApplication::processEvents();
}

void BM_CpBaseline(benchmark::State& state) {
  const std::string command = "cp '" + Million() + "' '" + quorla::PrivateTempDirectory() + "editor_window_bench_cp.xms'";
  for (auto _ : state) benchmark::DoNotOptimize(std::system(command.c_str()));
}
BENCHMARK(BM_CpBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenInWindow(benchmark::State& state) {
  App();
  Million();
  for (auto _ : state) {
    state.PauseTiming();
    auto window = std::make_unique<ui::EditorWindow>(EditorStart{" Bench:", quorla::Language::English, "", ""}, nullptr);
    window->presenter().Start();
    window->show();
    UntilIdle(*window);
    ChooseFile(Million());
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

void BM_StdSortMillion(benchmark::State& state) {
  std::mt19937_64 random(5);
  std::vector<uint64_t> values(1000000);
  for (auto& v : values) v = random();
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<uint64_t> copy = values;
    state.ResumeTiming();
    std::sort(copy.begin(), copy.end());
    benchmark::DoNotOptimize(copy.data());
  }
}
BENCHMARK(BM_StdSortMillion)->Unit(benchmark::kMillisecond);

// Each order from file order, a line selected, through the Sort menu's action.
void BM_SortInWindow(benchmark::State& state) {
  App();
  static ui::EditorWindow* window = [] {
    auto* w = new ui::EditorWindow({" Bench:", quorla::Language::English, "", ""}, nullptr);
    w->presenter().Start();
    w->show();
    ChooseFile(Million());
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
