// The correction pass over 1,000,000 sample records (every option but O6, which needs terrain
// files) against copying the same file once, in one run and from the page cache:
//   CopyOnce/ReadWrite   read and write the file in 1 MiB blocks (what cp does without help)
//   CopyOnce/Kernel      the in-kernel copy that cp uses where the system allows it
//   CorrectRecord        one record in memory, no file
//   CorrectionPass       CorrectWorkingCopy: read, correct, write the staging file, copy it back
//   CorrectToFile        the command line's pass: staging file, then the atomic replace
// The figure asked for: CorrectionPass within 3 times CopyOnce.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "atomic_file.h"
#include "correction/correction_pass.h"
#include "records/sample_generator.h"

namespace {

namespace fs = std::filesystem;
using namespace recbook;

constexpr uint64_t kRecords = 1000000;

struct BenchFiles {
  fs::path dir = fs::temp_directory_path() / ("correction_bench_" + std::to_string(::getpid()));
  std::string source = (dir / "M_BIG.xms").string();
  std::string target = (dir / "copy.xms").string();

  BenchFiles() {
    fs::create_directories(dir);
    std::string bytes(kRecordSize, ' ');  // the pass does not read the header
    bytes.reserve((kRecords + 1) * kRecordSize);
    SampleGenerator generator(1);
    for (uint64_t k = 0; k < kRecords; ++k) bytes.append(generator.Next().bytes, kRecordSize);
    quorla::WriteFileAtomically(source, bytes);
  }
  ~BenchFiles() { fs::remove_all(dir); }
};

BenchFiles& Files() {
  static BenchFiles files;
  return files;
}

CorrectionSettings WithoutTerrain() {
  CorrectionSettings s;
  s.options.Set(CorrectionOption::kTerrainAltitude, false);
  return s;
}

// CorrectRecord alone over records in memory: the processor's share of the pass.
void BM_CorrectRecord(benchmark::State& state) {
  SampleGenerator generator(1);
  std::vector<StationRecord> records(4096);
  for (StationRecord& r : records) r = generator.Next();
  const CorrectionSettings settings = WithoutTerrain();
  size_t i = 0;
  for (auto _ : state) {
    StationRecord r = records[i++ % records.size()];
    benchmark::DoNotOptimize(CorrectRecord(r, settings.options, {}));
    benchmark::DoNotOptimize(r);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}
BENCHMARK(BM_CorrectRecord);

void ReadWrite(const std::string& from, const std::string& to) {
  const int in = ::open(from.c_str(), O_RDONLY);
  const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  std::vector<char> buffer(1 << 20);
  for (ssize_t n; (n = ::read(in, buffer.data(), buffer.size())) > 0;)
    if (::write(out, buffer.data(), static_cast<size_t>(n)) != n) break;
  ::close(in);
  ::close(out);
}

void BM_CopyOnceReadWrite(benchmark::State& state) {
  for (auto _ : state) ReadWrite(Files().source, Files().target);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * (kRecords + 1) * kRecordSize));
}
BENCHMARK(BM_CopyOnceReadWrite)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CopyOnceKernel(benchmark::State& state) {
  for (auto _ : state) {
    const int in = ::open(Files().source.c_str(), O_RDONLY);
    const int out = ::open(Files().target.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    benchmark::DoNotOptimize(quorla::CopyAll(in, out));
    ::close(in);
    ::close(out);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * (kRecords + 1) * kRecordSize));
}
BENCHMARK(BM_CopyOnceKernel)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CorrectionPass(benchmark::State& state) {
  WorkingCopy copy;
  uint64_t repairs = 0;
  for (auto _ : state) {
    state.PauseTiming();
    copy.MakeFrom(Files().source);  // every round corrects the uncorrected records
    state.ResumeTiming();
    repairs = CorrectWorkingCopy(copy, WithoutTerrain(), [](uint64_t, uint64_t) {}).repairs;
  }
  copy.Remove();
  state.counters["repairs"] = static_cast<double>(repairs);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kRecords));
}
BENCHMARK(BM_CorrectionPass)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CorrectToFile(benchmark::State& state) {
  WorkingCopy copy;
  copy.MakeFrom(Files().source);
  for (auto _ : state) CorrectToFile(copy, Files().target, WithoutTerrain(), {});
  copy.Remove();
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kRecords));
}
BENCHMARK(BM_CorrectToFile)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
