#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <string>
#include <unistd.h>

#include "geoatlas_api.h"

namespace {

// The entry points as the map viewer calls them, over the build tree's database (found through
// the fallback folders: the settings folder here holds no "ATLASCFG.INI").
TEST(GeoatlasExports, ViewerCallSequence) {
  if (!std::filesystem::exists(std::string(QUORLA_BUILD_DATA) + "/GEOIDX1.BIN")) GTEST_SKIP() << "no database built";
  const auto config = std::filesystem::temp_directory_path() / ("geoatlas_exports_" + std::to_string(::getpid()));
  std::filesystem::create_directories(config);
  setenv("QUORLA_CONFIG_HOME", config.c_str(), 1);
  int32_t unit = 72;
  WDBUNIT(&unit);
  constexpr float kRad = static_cast<float>(std::numbers::pi / 180);
  float lon = 14.42f * kRad, lat = 50.08f * kRad;
  char code[3];
  GEOPLC(&lon, &lat, code);
  EXPECT_EQ(std::string(code, 3), "CZE");
  float w = 12 * kRad, s = 48.5f * kRad, e = 19 * kRad, n = 51 * kRad, tol = 0;
  int32_t count = 0, capacity = 1050, line = 0, npoints = 0, done = 0, lines = 0;
  GEODWD(&w, &s, &e, &n, &tol, &count, nullptr);
  float points[2 * 1050];
  char type = ' ';
  for (int32_t degrees = 2;; ++lines) {
    GEOLIW(&degrees, points, &capacity, &line, &npoints, &type, &done);
    if (done) break;
    EXPECT_GE(points[0], 12.0f - 1e-3f);
  }
  EXPECT_GT(lines, 0);
  EXPECT_EQ(WDBSTS(), 1);
  std::filesystem::remove_all(config);
}

}  // namespace
