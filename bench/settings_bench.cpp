// Reading a settings file of many keys, and parsing many sections: both grow linearly with the
// file (a settings file of 80,000 keys took 20 seconds and more when lookups were linear scans).
// Run with --benchmark_filter=Settings; the 80,000 case should stay within a few times the 8,000.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "atomic_file.h"
#include "ini_file.h"
#include "settings_store.h"

namespace {

std::string KeysText(int keys) {
  std::string text = "[Software\\Quorla]\n";
  for (int i = 0; i < keys; ++i) text += "K" + std::to_string(i) + "=1\n";
  return text;
}

std::string SectionsText(int sections) {
  std::string text;
  for (int i = 0; i < sections; ++i) text += "[K" + std::to_string(i) + "]\nValue=" + std::to_string(i) + "\n";
  return text;
}

void BM_SettingsStoreManyKeys(benchmark::State& state) {
  const int keys = static_cast<int>(state.range(0));
  const char* tmp = std::getenv("TMPDIR");
  const std::string path =
      std::string(tmp && *tmp ? tmp : "/tmp") + "/settings_bench." + std::to_string(::getpid()) + ".ini";
  quorla::WriteFileAtomically(path, KeysText(keys));
  const std::string last = "k" + std::to_string(keys - 1);
  for (auto _ : state) benchmark::DoNotOptimize(quorla::SettingsStore(path).QueryText("software\\quorla", last));
  std::filesystem::remove(path);
}
BENCHMARK(BM_SettingsStoreManyKeys)->Arg(8000)->Arg(80000)->Unit(benchmark::kMillisecond);

void BM_SettingsParseManySections(benchmark::State& state) {
  const std::string text = SectionsText(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(quorla::IniFile::Parse(text, quorla::IniFile::Values::Exact));
}
BENCHMARK(BM_SettingsParseManySections)->Arg(8000)->Arg(80000)->Unit(benchmark::kMillisecond);

}  // namespace
