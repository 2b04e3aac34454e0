// PatternValue per type against one cosf + one log10f, and FitPattern per lobe class.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "msi_file.h"
#include "pattern_fit.h"
#include "pattern_value.h"

namespace {

// One code per type, in the order the formulas are chosen.
const char* const kCodes[] = {"000ND00", "030EA10", "030DE05", "030EB00", "030EC00", "060LA10",
                              "050KA00", "040CA00", "040CB00", "040CC00", "320VE10", "425WC37"};

void BM_PatternValue(benchmark::State& state) {
  const char* code = kCodes[state.range(0)];
  state.SetLabel(code);
  float angle = -180.0f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(radpattern::PatternValue(code, angle, radpattern::kPatternDb));
    angle = angle >= 179.0f ? -180.0f : angle + 1.0f;
  }
}
BENCHMARK(BM_PatternValue)->DenseRange(0, 11);

// Every type at every whole angle in turn: the average the figures ask for.
void BM_PatternValueAllTypes(benchmark::State& state) {
  size_t type = 0;
  float angle = -180.0f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(radpattern::PatternValue(kCodes[type], angle, radpattern::kPatternDb));
    if (++type == std::size(kCodes)) {
      type = 0;
      angle = angle >= 179.0f ? -180.0f : angle + 1.0f;
    }
  }
}
BENCHMARK(BM_PatternValueAllTypes);

// The yardstick: one single-precision cosine and one log10f per call.
void BM_CosfPlusLog10f(benchmark::State& state) {
  float angle = -180.0f;
  const float deg = 4.0f * std::atan(1.0f) / 180.0f;
  for (auto _ : state) {
    const float c = std::cos(angle * deg);
    benchmark::DoNotOptimize(std::log10(std::fabs(c) + 0.01f));
    angle = angle >= 179.0f ? -180.0f : angle + 1.0f;
  }
}
BENCHMARK(BM_CosfPlusLog10f);

// Diagrams built from codes of each class, sampled at whole degrees. The four-lobe diagram has
// weaker side lobes, so that the lobe analysis classes it as four lobes rather than two.
radpattern::MeasuredDiagram Diagram(const char* code, double direction, float sideLobes) {
  radpattern::MeasuredDiagram d{};
  for (int i = 0; i < 360; ++i) {
    const bool side = (i > 45 && i < 135) || (i > 225 && i < 315);
    d[i] = radpattern::PatternValue(code, static_cast<float>(i - direction), radpattern::kPatternRatio) *
           (side ? sideLobes : 1.0f);
  }
  return d;
}

struct FitCase {
  const char* label;
  const char* code;
  double direction;
  float sideLobes = 1.0f;
};
const FitCase kFits[] = {{"nearly omni", "095KA95", 0},   {"single lobe", "030EA10", 40},
                         {"opposite lobes", "030DE05", 0}, {"two lobes", "340WE37", 10},
                         {"three lobes", "020CB00", 0},    {"four lobes", "020CC00", 0, 0.977f}};

void BM_FitPattern(benchmark::State& state) {
  const FitCase& c = kFits[state.range(0)];
  state.SetLabel(c.label);
  const radpattern::MeasuredDiagram d = Diagram(c.code, c.direction, c.sideLobes);
  for (auto _ : state) benchmark::DoNotOptimize(radpattern::FitPattern(d));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FitPattern)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

// The measured diagrams of the real pattern files that read.
void BM_FitPatternRealFiles(benchmark::State& state) {
  std::vector<radpattern::MeasuredDiagram> diagrams;
  for (const char* name : {"Kathrein_80010465_0791_x_co.msi", "Huawei_AMB4520R8v06_05T.msi",
                           "Merged_AMB4520R8v06_04T.msi", "Simulated_59_7_05T.msi"}) {
    radpattern::MsiPattern p;
    if (radpattern::ReadMsiFile(std::string(QUORLA_SHARED_DATA) + "/msi/" + name, p) != radpattern::kMsiOk) continue;
    diagrams.push_back(p.horizontal);
    diagrams.push_back(p.vertical);
  }
  if (diagrams.empty()) {
    state.SkipWithError("no pattern files");
    return;
  }
  size_t k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(radpattern::FitPattern(diagrams[k]));
    k = (k + 1) % diagrams.size();
  }
}
BENCHMARK(BM_FitPatternRealFiles)->Unit(benchmark::kMillisecond);

}  // namespace
