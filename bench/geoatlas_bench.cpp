// World map database: country lookups while the mouse moves, lookups that load a new map, and a
// full line pass over Europe, on the database the build made from world-atlas.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <iostream>
#include <numbers>

#include "stream_host.h"
#include "world_atlas.h"

namespace {

using namespace quorla::geoatlas;
constexpr double kRad = std::numbers::pi / 180;

struct Fixture {
  StreamHost host{std::cerr};
  WorldAtlas atlas{host, AtlasPlaces{"", {std::string(QUORLA_BUILD_DATA) + "/"}}};
};

bool Available(benchmark::State& state) {
  if (std::filesystem::exists(std::string(QUORLA_BUILD_DATA) + "/GEOIDX1.BIN")) return true;
  state.SkipWithError("no world map database in the build tree");
  return false;
}

// Mouse moves: steps of about 2 km on a circle of 40 km radius around Prague, never leaving the
// loaded map.
void BM_LookupNearby(benchmark::State& state) {
  if (!Available(state)) return;
  Fixture f;
  char code[3];
  f.atlas.Geoplc(14.42f * kRad, 50.08f * kRad, code);
  double a = 0;
  for (auto _ : state) {
    a += 0.05;
    const double lon = 14.42 + 0.56 * std::cos(a), lat = 50.08 + 0.36 * std::sin(a);
    f.atlas.Geoplc(static_cast<float>(lon * kRad), static_cast<float>(lat * kRad), code);
    benchmark::DoNotOptimize(code);
  }
}
BENCHMARK(BM_LookupNearby)->Unit(benchmark::kMicrosecond);

// Each lookup far from the last one: the map around the position is loaded anew every time.
void BM_LookupWithLoad(benchmark::State& state) {
  if (!Available(state)) return;
  Fixture f;
  const float places[][2] = {{14.42f, 50.08f}, {2.35f, 48.86f}, {37.62f, 55.75f}, {-3.70f, 40.42f},
                             {12.45f, 43.94f}, {28.2f, -29.5f}, {-99.1f, 19.4f}, {116.4f, 39.9f},
                             {-95.0f, 74.0f}, {0.0f, -72.0f}, {179.9f, 67.0f}, {-75.0f, 45.0f}};
  size_t i = 0;
  char code[3];
  for (auto _ : state) {
    const auto& p = places[i++ % std::size(places)];
    f.atlas.Geoplc(p[0] * static_cast<float>(kRad), p[1] * static_cast<float>(kRad), code);
    benchmark::DoNotOptimize(code);
  }
}
BENCHMARK(BM_LookupWithLoad)->Unit(benchmark::kMillisecond);

// One GEODWD/GEOLIW pass over Europe, 25°W to 45°E, 34°N to 72°N, as the map viewer runs it.
void BM_EuropePass(benchmark::State& state) {
  if (!Available(state)) return;
  Fixture f;
  std::vector<float> pts(2 * 1050);
  int32_t line = 0, n = 0, done = 0, lines = 0;
  char type = ' ';
  for (auto _ : state) {
    f.atlas.Geodwd(-25 * kRad, 34 * kRad, 45 * kRad, 72 * kRad, 0, 0, nullptr);
    lines = 0;
    for (;;) {
      f.atlas.Geoliw(2, pts.data(), 1050, line, n, type, done);
      if (done) break;
      ++lines;
    }
  }
  state.counters["lines"] = lines;
  namespace fs = std::filesystem;
  const std::string d = std::string(QUORLA_BUILD_DATA) + "/";
  state.counters["database_MB"] = static_cast<double>(fs::file_size(d + "GEOIDX1.BIN") + fs::file_size(d + "GEOPNT1.BIN") +
                                                      fs::file_size(d + "GEOCCD3.BIN")) / 1e6;
}
BENCHMARK(BM_EuropePass)->Unit(benchmark::kMillisecond);

}  // namespace
