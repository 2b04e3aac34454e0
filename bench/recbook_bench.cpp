// Exchange files of 1,000,000 records: making the working copy, converting and reading every
// record, each against cp of the same file in the same run.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "atomic_file.h"
#include "platform_paths.h"
#include "records/file_conversion.h"
#include "records/sample_generator.h"
#include "records/working_copy.h"

namespace {

using Durability = quorla::AtomicFileWriter::Durability;

// The generated file, written once into the private temporary folder.
const std::string& Million() {
  static const std::string path = [] {
    const std::string p = quorla::PrivateTempDirectory() + "bench_1M.xms";
    quorla::WriteFileAtomically(p, recbook::SampleFile(1000000, 1, {2026, 12, 7, 0, 0, 0}));
    return p;
  }();
  return path;
}

std::string Scratch(const char* name) { return quorla::PrivateTempDirectory() + name; }

void BM_CpBaseline(benchmark::State& state) {
  const std::string command = "cp '" + Million() + "' '" + Scratch("bench_cp.xms") + "'";
  for (auto _ : state) benchmark::DoNotOptimize(std::system(command.c_str()));
  state.SetBytesProcessed(state.iterations() * 1000001LL * 219);
}
BENCHMARK(BM_CpBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MakeWorkingCopy(benchmark::State& state) {
  recbook::WorkingCopy copy;
  for (auto _ : state) benchmark::DoNotOptimize(copy.MakeFrom(Million()));
  copy.Remove();
  state.SetBytesProcessed(state.iterations() * 1000001LL * 219);
}
BENCHMARK(BM_MakeWorkingCopy)->Unit(benchmark::kMillisecond)->UseRealTime();

// One conversion of source through the loader, as `vatool xms convert` runs it.
recbook::ConversionResult Convert(const std::string& source, recbook::FileKind to, const std::string& target) {
  recbook::ExchangeReader reader;
  recbook::LoadStatus read = reader.Open(source);
  return read != recbook::LoadStatus::Ok ? recbook::ConversionResult::ReadFailed
                                         : recbook::ConvertExchangeFile(reader, to, target, Durability::Renamed, read);
}

void BM_ConvertToCrLf(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Convert(Million(), recbook::FileKind::CrLf, Scratch("bench.txt")));
  state.SetBytesProcessed(state.iterations() * 1000001LL * 219);
}
BENCHMARK(BM_ConvertToCrLf)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ConvertToTrue(benchmark::State& state) {
  const std::string crlf = Scratch("bench_source.txt");
  Convert(Million(), recbook::FileKind::CrLf, crlf);
  for (auto _ : state) benchmark::DoNotOptimize(Convert(crlf, recbook::FileKind::True, Scratch("bench_true.xms")));
  state.SetBytesProcessed(state.iterations() * 1000001LL * 219);
}
BENCHMARK(BM_ConvertToTrue)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every record through the record access of the working copy, from the page cache.
void BM_ReadEveryRecord(benchmark::State& state) {
  recbook::WorkingCopy copy;
  copy.MakeFrom(Million());
  for (auto _ : state) {
    unsigned sum = 0;
    copy.ForEachRecord(1, [&](uint64_t, std::string_view r) {
      sum += static_cast<unsigned char>(r[218]);
      return true;
    });
    benchmark::DoNotOptimize(sum);
  }
  copy.Remove();
  state.SetBytesProcessed(state.iterations() * 1000000LL * 219);
}
BENCHMARK(BM_ReadEveryRecord)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
