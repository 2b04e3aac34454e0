// A full drawing of the map area, 1000 x 700 pixels, at size 9 (100 x 70 km, heights read for
// every pixel) and size 18 (the whole region: the territory of the terrain files), from warm
// tiles, with the world map lines and the demo border lines the build made. Hover: the status
// readout of one mouse move at size 9 (position, height, country with the 8-point ring).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <filesystem>
#include <sstream>
#include <string>

#include <numbers>

#include "point_altitude.h"
#include "stream_host.h"
#include "terrain_settings.h"
#include "windows/map_readouts.h"
#include "map_bench_terrain.h"
#include "ui/qt_drawing_surface.h"
#include "windows/map_drawing.h"
#include "world_atlas.h"

namespace {

namespace fs = std::filesystem;

void DrawAtSize(benchmark::State& state) {
  std::ostringstream messages;
  quorla::geoatlas::StreamHost host(messages);
  quorla::geoatlas::WorldAtlas atlas(host, {"", {QUORLA_BUILD_DATA "/"}});
  terrainmap::MapRequest r;
  r.lon = 15.5;
  r.lat = 50;
  r.sizeIndex = static_cast<int>(state.range(0));
  r.terrainDir = MapBenchTerrain::Dir();
  if (fs::is_directory(QUORLA_BUILD_DATA "/border")) r.borderDir = QUORLA_BUILD_DATA "/border";
  r.marker = r.station = terrainmap::GeoPoint{r.lon, r.lat};
  r.radiusKm = 20;
  terrainmap::DrawHooks hooks;
  hooks.atlas = &atlas;
  quorla::ui::QtDrawingSurface surface(1000, 700);
  terrainmap::HeightGrid grid;
  terrainmap::DrawMap(surface, r, hooks, grid);  // warms the tiles and loads the world map database
  for (auto _ : state) {
    const terrainmap::DrawReport report = terrainmap::DrawMap(surface, r, hooks, grid);
    benchmark::DoNotOptimize(report);
  }
}
BENCHMARK(DrawAtSize)->Arg(9)->Arg(18)->Unit(benchmark::kMillisecond);

void Hover(benchmark::State& state) {
  std::ostringstream messages;
  quorla::geoatlas::StreamHost host(messages);
  quorla::geoatlas::WorldAtlas atlas(host, {"", {QUORLA_BUILD_DATA "/"}});
  const terrainmap::CountryAt country = [&](double lon, double lat) {
    char code[3];
    constexpr double kRad = std::numbers::pi / 180;
    atlas.Geoplc(static_cast<float>(lon * kRad), static_cast<float>(lat * kRad), code);
    return std::string(code, 3);
  };
  quorla::SetTerrainDirectory(MapBenchTerrain::Dir());
  double lon = 15.0;
  for (auto _ : state) {
    lon = lon > 16.0 ? 15.0 : lon + 0.001;  // the mouse moving east, a pixel at a time
    std::string text = terrainmap::PositionText(lon, 50.1, false);
    text += terrainmap::CountryText(country, lon, 50.1, 9, quorla::Language::English);
    text += terrainmap::HeightText(quorla::PointAltitude(lon, 50.1), quorla::Language::English);
    benchmark::DoNotOptimize(text);
  }
}
BENCHMARK(Hover)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
