#pragma once
// The terrain tiles the map benchmarks draw from: 13E to 18E, 48N to 52N around 15E 50N, generated
// on first use into a folder of the run and removed at exit.
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "terrain/tile_generator.h"

class MapBenchTerrain {
 public:
  static const std::string& Dir() {
    static const MapBenchTerrain terrain;
    return terrain.dir_;
  }
  ~MapBenchTerrain() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }

 private:
  MapBenchTerrain() {
    dir_ = (std::filesystem::temp_directory_path() / ("quorla_map_bench_" + std::to_string(::getpid()))).string();
    if (terrainmap::GenerateTerrainTiles(dir_, {13, 48, 18, 52}) != terrainmap::GenerateStatus::Ok) std::abort();
  }
  std::string dir_;
};
