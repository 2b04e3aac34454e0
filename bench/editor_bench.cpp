// The editor with a file of 1,000,000 records (header count left blank): opening it in the presenter (check, working copy,
// list built) against cp of the same file, and sorting the list in each of the sixteen orders
// against std::sort of one million 64-bit integers, all in the same run. The build pumps events
// as it goes; the count of those rounds is reported.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "editor_baselines.h"
#include "quiet_host.h"
#include "editor/editor_presenter.h"

namespace {

using namespace recbook;


// Resident memory of this process in bytes.
double ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE));
}

// Answers the open dialog with the file; anything else is not asked while opening.
class OpenHost : public quorla::QuietHost {
 public:
  quorla::Answer Message(std::string_view text, std::string_view, quorla::Buttons, quorla::Icon) override {
    message = text;
    return quorla::Answer::Cancel;
  }
  // The file once per Open; a refused file ends the command instead of asking again.
  std::string OpenFileName(const quorla::FileDialogRequest&) override {
    if (!message.empty()) return {};
    return bench::MillionRecordFile();
  }
  quorla::LocalTime Now() override { return {2026, 12, 7, 0, 0, 0}; }
  void ProcessEvents() override { ++pumps; }
  std::string message;
  long pumps = 0;
};

// A header page that shows nothing.
class NullHeaderForm : public HeaderFormView {
 public:
  void ShowBoxText(int, const std::string&) override {}
  void FocusBox(int, int, int) override {}
  void ShowChanged(bool) override {}
  void ShowStatus(const std::string&) override {}
};

// A window that shows nothing: the cost measured is the presenter's.
class NullView : public EditorView {
 public:
  void SetTitle(const std::string&) override {}
  void SetMenuEnabled(MenuPosition, bool) override {}
  void SetItemEnabled(int, bool) override {}
  void SetItemText(int, const std::string&) override {}
  void SetSortCheck(int) override {}
  void SetEditMenu(const std::vector<EditMenuEntry>&) override {}
  void SetFileField(const std::string&) override {}
  void SetInformation(const std::string&) override {}
  void SetStatusPart(int, const std::string&) override {}
  void SetColumnHeading(const std::string&) override {}
  void SetHeaderInfo(const std::string&) override {}
  void ShowProgress(uint64_t, uint64_t) override { ++steps; }
  void HideProgress() override {}
  void ShowExportProgress(const std::string&, uint64_t, uint64_t) override {}
  void ListReset() override {}
  void ListRowsChanged(size_t, size_t) override {}
  void FocusList() override {}
  // The sort itself runs inside the reorder, as the window's model runs it.
  void ReorderList(const LineReorder& reorder) override {
    size_t caret = 0;
    reorder(std::span<size_t>(&caret, 1));
  }
  std::vector<size_t> SelectedRows() const override { return {0}; }
  size_t CaretRow() const override { return 0; }
  void SelectRows(std::span<const size_t>, size_t) override {}
  void ShowPage(Page) override {}
  RecordFormView& RecordForm() override { return recordForm_; }
  HeaderFormView& HeaderForm() override { return headerForm_; }
  std::optional<HeaderValues> AskTaggedHeader(const std::string&, const HeaderValues&, const std::string&) override {
    return std::nullopt;
  }
  void RunFileViewer(const ViewerSetup&) override {}
  void RunCorrectionDialog(const CorrectionDialogMaker&) override {}
  void RunClockDialog(const ClockDialogMaker&) override {}
  uint32_t WindowHandle() const override { return 0; }
  void CloseWindow() override {}
  long steps = 0;

 private:
  NoRecordFormPage recordForm_;
  NullHeaderForm headerForm_;
};

void BM_CpBaseline(benchmark::State& state) { bench::CpMillionRecordFile(state); }
BENCHMARK(BM_CpBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_OpenInPresenter(benchmark::State& state) {
  OpenHost host;
  NullView view;
  for (auto _ : state) {
    EditorPresenter presenter(host, view, {" Bench:", quorla::Language::English, "", ""});
    presenter.Start();
    presenter.OnCommand(kOpenFile);
    if (presenter.list().size() != 1000000) {
      state.SkipWithError(("not opened: " + host.message).c_str());
      break;
    }
    state.PauseTiming();
    presenter.Finish();
    state.ResumeTiming();
  }
  state.counters["event_rounds"] = static_cast<double>(host.pumps) / static_cast<double>(state.iterations());
  state.counters["progress_steps"] = static_cast<double>(view.steps) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_OpenInPresenter)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_StdSortMillion(benchmark::State& state) { bench::StdSortMillionIntegers(state); }
BENCHMARK(BM_StdSortMillion)->Unit(benchmark::kMillisecond);

// Each order sorted from file order, as a user's first Sort command after opening does.
void BM_SortList(benchmark::State& state) {
  static OpenHost host;
  static NullView view;
  static EditorPresenter* presenter = [] {
    auto* p = new EditorPresenter(host, view, {" Bench:", quorla::Language::English, "", ""});
    p->Start();
    p->OnCommand(kOpenFile);
    return p;
  }();
  const int order = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    presenter->OnCommand(order == 300 ? 301 : 300);
    state.ResumeTiming();
    presenter->OnCommand(order);
  }
}
BENCHMARK(BM_SortList)->DenseRange(300, 315)->Unit(benchmark::kMillisecond);

// Memory above the empty window's while the file is open, after sorting in every order (the sort
// keeps its working memory), as a multiple of the file's size.
void BM_MemoryWhileOpen(benchmark::State& state) {
  OpenHost host;
  NullView view;
  const double fileBytes = 219.0 * 1000001;
  for (auto _ : state) {
    EditorPresenter presenter(host, view, {" Bench:", quorla::Language::English, "", ""});
    presenter.Start();
    const double empty = ResidentBytes();
    presenter.OnCommand(kOpenFile);
    for (int order = 300; order <= 315; ++order) presenter.OnCommand(order);
    state.counters["above_empty_vs_file"] = (ResidentBytes() - empty) / fileBytes;
    presenter.Finish();
  }
}
BENCHMARK(BM_MemoryWhileOpen)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
