// MAPAHCM: the map viewer over the caller's window.
#include <memory>

#include "block_texts.h"
#include "directories/map_directories.h"
#include "entry/geo_box_settings.h"
#include "geo_text.h"
#include "map_params.h"
#include "overlays/road_set.h"
#include "point_altitude.h"
#include "settings_store.h"
#include "terrain/bulk_altitude.h"
#include "ui/entry_application.h"
#include "ui/map_window.h"
#include "ui/qt_host.h"
#include "windows/world_map_setup.h"
#include "world_atlas.h"

namespace {

using namespace terrainmap;

// The world map database, prepared once per process; its messages go to a window of their own.
struct WorldMap {
  int status = 0;
  quorla::QtHost host;
  std::unique_ptr<quorla::geoatlas::WorldAtlas> atlas;
  bool Usable() const { return status >= 1 && atlas->usable(); }
};

// The setup for a terrain directory: the database's place, then its unit number once it has one.
// Whether the database is usable.
bool SetUpWorldMapFor(WorldMap& world, const std::string& terrainDir) {
  world.status = SetUpWorldMap(terrainDir, DefaultWorldMapPlaces());
  if (world.status >= 1) world.atlas->Wdbunit(72);
  return world.Usable();
}

WorldMap& PreparedWorldMap(const std::string& terrainDir) {
  static WorldMap world;
  if (world.atlas) return world;
  world.atlas = std::make_unique<quorla::geoatlas::WorldAtlas>(world.host, quorla::geoatlas::DefaultPlaces());
  SetUpWorldMapFor(world, terrainDir);
  return world;
}

// A block for the library's dialogs, centred over the map window.
TransfSourParams DialogBlock(const MapViewerParams& params) {
  TransfSourParams block{};
  block.parent = params.parent;
  block.x = block.y = -1;
  block.language = params.language;
  exports::WriteField(block.caption, exports::FieldText(params.caption));
  return block;
}

}  // namespace

extern "C" int32_t MAPAHCM(MapViewerParams* params) {
  if (!params) return 0;
  quorla::ui::EntryApplication app;
  if (!app.usable()) return 0;
  const exports::BlockTexts texts = exports::CopyBlockTexts(*params);
  quorla::SettingsStore store;
  MapDirectories dirs = CurrentMapDirectories(store);
  if (dirs.terrain.empty() || dirs.border.empty()) {
    TransfSourParams block = DialogBlock(*params);
    NASTAVADRES(&block);
    dirs = CurrentMapDirectories(store);
    if (dirs.terrain.empty()) return 0;
  }
  quorla::SetTerrainDirectory(dirs.terrain);
  WorldMap& world = PreparedWorldMap(dirs.terrain);

  MapOpening opening;
  opening.language = texts.language;
  opening.caption = texts.caption;
  opening.kind = params->kind;
  opening.coords = exports::FieldText(params->coords);
  opening.radiusKm = params->radius;
  opening.directories = dirs;
  opening.worldMapUsable = world.Usable();
  opening.roadsAndTownsAvailable = RoadsAndTownsAvailable(RoadDirectory(dirs.terrain));

  ui::MapWindowDialogs dialogs;
  dialogs.otherSystem = [params](const GeoPoint& start) -> std::optional<GeoPoint> {
    TransfSourParams block = DialogBlock(*params);
    exports::WriteField(block.coords, quorla::FormatGeoText(start.lon, start.lat, false));
    if (TRANSFSOUR(&block) != 1) return std::nullopt;
    const quorla::GeoPosition p = quorla::ParseGeoText(exports::FieldText(block.coords));
    return GeoPoint{p.lon, p.lat};
  };
  dialogs.directories = [params, &store]() -> std::optional<MapDirectories> {
    TransfSourParams block = DialogBlock(*params);
    if (NASTAVADRES(&block) != 1) return std::nullopt;
    return CurrentMapDirectories(store);
  };
  dialogs.setUpWorldMap = [&world](const std::string& terrainDir) { return SetUpWorldMapFor(world, terrainDir); };
  dialogs.entryBoxProperties = [params] {
    TransfSourParams block = DialogBlock(*params);
    NASTAVGEOPROP(&block);
  };

  int result = 0;
  {
    quorla::QtHost host(texts.owner);
    ui::MapWindow window(texts.owner, host, opening, world.atlas.get(), GeoBoxPropertiesInForce(store), dialogs);
    host.SetParent(&window);
    result = window.Run();
    if (result == 1) exports::WriteField(params->coords, window.presenter().result());
  }
  // The window and its drawing thread are gone: both height lookups forget their files.
  quorla::PointAltitude(-999, 0);
  BulkAltitude(-999, 0);
  return result == 1 ? 1 : 0;
}
