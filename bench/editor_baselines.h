#pragma once
// What the editor's benchmarks measure against, in the same run: a register of 1,000,000 records
// (header count left blank), cp of that file, and std::sort of one million 64-bit integers.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "atomic_file.h"
#include "platform_paths.h"
#include "records/sample_generator.h"

namespace recbook::bench {

inline const std::string& MillionRecordFile() {
  static const std::string path = [] {
    const std::string p = quorla::PrivateTempDirectory() + "editor_bench_1M.xms";
    std::string bytes = SampleFile(1000000, 1, {2026, 12, 7, 0, 0, 0});
    // The header's six-digit count cannot say 1000000; blanks are accepted there and the check
    // counts the records from the file's size.
    bytes.replace(186, 6, "      ");
    quorla::WriteFileAtomically(p, bytes);
    return p;
  }();
  return path;
}

inline void CpMillionRecordFile(benchmark::State& state) {
  const std::string command =
      "cp '" + MillionRecordFile() + "' '" + quorla::PrivateTempDirectory() + "editor_bench_cp.xms'";
  for (auto _ : state) benchmark::DoNotOptimize(std::system(command.c_str()));
}

inline void StdSortMillionIntegers(benchmark::State& state) {
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

}  // namespace recbook::bench
