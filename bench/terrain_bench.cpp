// Terrain lookups and datum formulas at the rates the map viewer needs.
//
// BulkGrid*: one map drawing of 1000 x 700 cells over 1 x 0.7 degrees, read column by column as
// the drawing does, on generated tiles across 50N and a degree of longitude (four tiles of both
// row lengths). Warm: the tile files in the page cache; Cold: dropped from it before each drawing,
// against cat of the same files dropped the same way. Point*: successive points in one block.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "datum/gauss_kruger.h"
#include "datum/molodensky.h"
#include "point_altitude.h"
#include "terrain/bulk_altitude.h"
#include "terrain/tile_generator.h"
#include "terrain_settings.h"
#include "terrain_tile.h"

namespace {

namespace fs = std::filesystem;

constexpr int kColumns = 1000, kRows = 700;
constexpr double kWest = 14.5, kSouth = 49.65, kWidth = 1.0, kHeight = 0.7;

// The generated terrain directory, made once per run and removed at exit.
class Terrain {
 public:
  static const Terrain& Get() {
    static const Terrain terrain;
    return terrain;
  }
  const std::string& Dir() const { return dir_; }
  const std::vector<std::string>& Files() const { return files_; }
  ~Terrain() {
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

 private:
  Terrain() {
    dir_ = (fs::temp_directory_path() / ("quorla_terrain_bench_" + std::to_string(::getpid()))).string();
    if (terrainmap::GenerateTerrainTiles(dir_, {14, 49, 16, 51}) != terrainmap::GenerateStatus::Ok) std::abort();
    for (int ilon = 14; ilon < 16; ++ilon)
      for (int ilat = 49; ilat < 51; ++ilat) files_.push_back(quorla::FindTileFile(dir_, ilon, ilat));
    // Written pages must reach the disk before they can be dropped from the cache.
    for (const auto& f : files_) {
      const int fd = ::open(f.c_str(), O_RDONLY);
      ::fsync(fd);
      ::close(fd);
    }
  }
  std::string dir_;
  std::vector<std::string> files_;
};

void DropFromPageCache(const std::vector<std::string>& files) {
  for (const auto& f : files) {
    const int fd = ::open(f.c_str(), O_RDONLY);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
  }
}

// One drawing: the cell centres column by column, from the top row down, then the reset the map
// window makes when it closes.
float DrawGrid() {
  float sum = 0;
  for (int i = 0; i < kColumns; ++i) {
    const double lon = kWest + (i + 0.5) * kWidth / kColumns;
    for (int j = 0; j < kRows; ++j) sum += terrainmap::BulkAltitude(lon, kSouth + (kRows - 1 - j + 0.5) * kHeight / kRows);
  }
  terrainmap::BulkAltitude(-999, 0);
  return sum;
}

void BM_BulkGridWarm(benchmark::State& state) {
  quorla::SetTerrainDirectory(Terrain::Get().Dir());
  benchmark::DoNotOptimize(DrawGrid());  // fills the page cache
  for (auto _ : state) benchmark::DoNotOptimize(DrawGrid());
  state.SetItemsProcessed(state.iterations() * kColumns * kRows);
}
BENCHMARK(BM_BulkGridWarm)->Unit(benchmark::kMillisecond);

void BM_BulkGridCold(benchmark::State& state) {
  quorla::SetTerrainDirectory(Terrain::Get().Dir());
  for (auto _ : state) {
    state.PauseTiming();
    DropFromPageCache(Terrain::Get().Files());
    state.ResumeTiming();
    benchmark::DoNotOptimize(DrawGrid());
  }
  state.SetItemsProcessed(state.iterations() * kColumns * kRows);
}
BENCHMARK(BM_BulkGridCold)->Unit(benchmark::kMillisecond)->UseRealTime();

// The yardstick of the cold drawing: cat of the touched tile files, dropped from the cache alike.
void BM_CatTouchedFilesCold(benchmark::State& state) {
  std::string command = "cat";
  for (const auto& f : Terrain::Get().Files()) command += " '" + f + "'";
  command += " >/dev/null";
  for (auto _ : state) {
    state.PauseTiming();
    DropFromPageCache(Terrain::Get().Files());
    state.ResumeTiming();
    if (std::system(command.c_str()) != 0) state.SkipWithError("cat failed");
  }
}
BENCHMARK(BM_CatTouchedFilesCold)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PointAltitudeOneBlock(benchmark::State& state) {
  quorla::SetTerrainDirectory(Terrain::Get().Dir());
  // Block (bx 3, by 5) of E015N49 spans 15.25..15.3333 E, 49.4167..49.5 N.
  double lon = 15.26, lat = 49.42;
  for (auto _ : state) {
    benchmark::DoNotOptimize(quorla::PointAltitude(lon, lat));
    lon += 1e-5;
    lat += 7e-6;
    if (lon > 15.33) lon = 15.26;
    if (lat > 49.49) lat = 49.42;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PointAltitudeOneBlock);

void BM_MolodenskyShift(benchmark::State& state) {
  double lon = 12.0, lat = 47.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(terrainmap::MolodenskyShift(lon, lat, 1));
    lon += 1e-4;
    lat += 7e-5;
    if (lon > 19) lon = 12;
    if (lat > 52) lat = 47;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MolodenskyShift);

void BM_GaussKrugerForward(benchmark::State& state) {
  double lon = 12.0, lat = 47.0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(terrainmap::GaussKrugerForward(lon, lat));
    lon += 1e-4;
    lat += 7e-5;
    if (lon > 19) lon = 12;
    if (lat > 52) lat = 47;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GaussKrugerForward);

void BM_GaussKrugerInverse(benchmark::State& state) {
  double y = 3400000, x = 5300000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(terrainmap::GaussKrugerInverse(y, x));
    y += 10;
    x += 7;
    if (y > 3700000) y = 3400000;
    if (x > 5600000) x = 5300000;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GaussKrugerInverse);

}  // namespace
