#include "directories/map_directories.h"

#include <optional>

#include "directories/directory_checks.h"
#include "terrain_settings.h"

namespace terrainmap {
namespace {

std::optional<MapDirectories>& Current() {
  static std::optional<MapDirectories> dirs;
  return dirs;
}

}  // namespace

MapDirectories StoredMapDirectories(const quorla::SettingsStore& store) {
  return {store.QueryText(quorla::kQuorlaKey, quorla::kTerrainDirValue).value_or(""),
          store.QueryText(quorla::kQuorlaKey, quorla::kBorderDirValue).value_or("")};
}

MapDirectories CurrentMapDirectories(const quorla::SettingsStore& store) {
  if (Current()) return *Current();
  const MapDirectories stored = StoredMapDirectories(store);
  return {VerifyTerrainDirectory(stored.terrain), VerifyBorderDirectory(stored.border)};
}

void SetCurrentMapDirectories(const MapDirectories& dirs) {
  Current() = dirs;
  quorla::SetTerrainDirectory(dirs.terrain);
}

bool StoreMapDirectories(quorla::SettingsStore& store, const MapDirectories& dirs) {
  return store.CreateOrOpenKey(quorla::kQuorlaKey) && store.SetText(quorla::kQuorlaKey, quorla::kTerrainDirValue, dirs.terrain) &&
         store.SetText(quorla::kQuorlaKey, quorla::kBorderDirValue, dirs.border);
}

}  // namespace terrainmap
