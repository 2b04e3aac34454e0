// The sixteen orders of the record list over 1,000,000 generated lines, against std::sort of
// 1,000,000 random 64-bit integers in the same run. Each sort starts from file order, as after
// opening a file. The counter vs_std_sort is the sort's processor time over std::sort's (processor
// time, so that other work on the machine does not shift the ratio).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <random>
#include <vector>

#include "listing/record_list.h"
#include "records/sample_generator.h"

namespace {

constexpr uint32_t kLines = 1000000;

const recbook::RecordList& FileOrderList() {
  static const recbook::RecordList list = [] {
    recbook::RecordList l;
    l.Reserve(kLines);
    recbook::SampleGenerator gen(2024);
    for (uint32_t k = 1; k <= kLines; ++k) l.Append(gen.Next(), k);
    return l;
  }();
  return list;
}

const std::vector<uint64_t>& RandomIntegers() {
  static const std::vector<uint64_t> values = [] {
    std::vector<uint64_t> v(kLines);
    std::mt19937_64 gen(7);
    for (auto& x : v) x = gen();
    return v;
  }();
  return values;
}

double ThreadSeconds() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// The best of five runs of std::sort, measured once per process.
double StdSortSeconds() {
  static const double best = [] {
    double b = 1e9;
    for (int i = 0; i < 5; ++i) {
      std::vector<uint64_t> v = RandomIntegers();
      const double t = ThreadSeconds();
      std::sort(v.begin(), v.end());
      b = std::min(b, ThreadSeconds() - t);
      benchmark::DoNotOptimize(v.data());
    }
    return b;
  }();
  return best;
}

void BM_StdSortUint64(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<uint64_t> v = RandomIntegers();
    state.ResumeTiming();
    std::sort(v.begin(), v.end());
    benchmark::DoNotOptimize(v.data());
  }
}
BENCHMARK(BM_StdSortUint64)->Unit(benchmark::kMillisecond);

void BM_ListSort(benchmark::State& state) {
  const int order = static_cast<int>(state.range(0));
  FileOrderList();
  const double reference = StdSortSeconds();
  double total = 0;
  for (auto _ : state) {
    state.PauseTiming();
    recbook::RecordList list = FileOrderList();
    state.ResumeTiming();
    const double t = ThreadSeconds();
    list.Sort(order);
    total += ThreadSeconds() - t;
    benchmark::DoNotOptimize(list.RecordNumber(0));
  }
  state.counters["vs_std_sort"] = total / static_cast<double>(state.iterations()) / reference;
}
BENCHMARK(BM_ListSort)->DenseRange(300, 315)->Unit(benchmark::kMillisecond);

// Building the list line of a record, over 65,536 generated records: the part of opening a file
// that grows with its size beside reading it.
void BM_BuildListLine(benchmark::State& state) {
  static const std::vector<recbook::StationRecord> records = [] {
    std::vector<recbook::StationRecord> r;
    recbook::SampleGenerator gen(11);
    for (int i = 0; i < 65536; ++i) r.push_back(gen.Next());
    return r;
  }();
  std::vector<char> out(recbook::kListLineSize);
  uint32_t k = 0;
  for (auto _ : state) {
    recbook::BuildListLine(records[k & 65535], k + 1, out.data());
    benchmark::DoNotOptimize(out.data());
    ++k;
  }
}
BENCHMARK(BM_BuildListLine);

// A batch of 4,096 lines as opening a file appends them, on both cores.
void BM_AppendRecords(benchmark::State& state) {
  static const std::string texts = [] {
    std::string t;
    recbook::SampleGenerator gen(11);
    for (int i = 0; i < 4096; ++i) t.append(gen.Next().text());
    return t;
  }();
  recbook::RecordList list;
  for (auto _ : state) {
    list.Clear();
    list.AppendRecords(texts, 1);
    benchmark::DoNotOptimize(list.RecordNumber(0));
  }
  state.SetItemsProcessed(state.iterations() * 4096);
}
BENCHMARK(BM_AppendRecords)->UseRealTime();

}  // namespace
