// CheckRecord silent over a generated file of 1,000,000 station records, the file read included
// (from the page cache after the first run). Target: at least 3 million records per second on one
// core; the figures are per CPU second (user and system time of the process, so the kernel's copy
// of the file counts), which other load on the machine does not distort.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "atomic_file.h"
#include "record_check.h"
#include "records/sample_generator.h"

namespace {

constexpr long long kRecords = 1000000;

// The sample file, written once per process into the temporary folder.
const std::string& SampleFilePath() {
  static const std::string path = [] {
    const char* tmp = std::getenv("TMPDIR");
    std::string p = std::string(tmp && *tmp ? tmp : "/tmp") + "/check_record_bench." + std::to_string(::getpid()) + ".xms";
    quorla::WriteFileAtomically(p, recbook::SampleFile(kRecords, 7, {2026, 12, 7}));
    std::atexit([] { std::remove(SampleFilePath().c_str()); });
    return p;
  }();
  return path;
}

void CheckFile(benchmark::State& state, recbook::ErrorSearchMode mode) {
  const std::string& path = SampleFilePath();
  std::string bytes;
  size_t faulty = 0;
  for (auto _ : state) {
    if (!quorla::ReadWholeFile(path, bytes)) {
      state.SkipWithError("cannot read the sample file");
      return;
    }
    faulty = 0;
    const size_t records = bytes.size() / recbook::kRecordSize - 1;
    for (size_t k = 1; k <= records; ++k) {
      const auto* r = reinterpret_cast<const recbook::StationRecord*>(bytes.data() + k * recbook::kRecordSize);
      faulty += !recbook::CheckRecord(*r, mode).ok();
    }
    benchmark::DoNotOptimize(faulty);
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
  state.counters["faulty"] = static_cast<double>(faulty);
}

// The file read alone, for comparison.
void BM_ReadFile(benchmark::State& state) {
  const std::string& path = SampleFilePath();
  std::string bytes;
  for (auto _ : state) {
    if (!quorla::ReadWholeFile(path, bytes)) state.SkipWithError("cannot read the sample file");
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_ReadFile)->Unit(benchmark::kMillisecond);

void BM_CheckRecordAllErrors(benchmark::State& state) { CheckFile(state, recbook::ErrorSearchMode::AllErrors); }
void BM_CheckRecordCalcErrors(benchmark::State& state) { CheckFile(state, recbook::ErrorSearchMode::CalcErrors); }
BENCHMARK(BM_CheckRecordAllErrors)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckRecordCalcErrors)->Unit(benchmark::kMillisecond);

}  // namespace
