#include "directories/map_directories.h"

#include <optional>

#include "directories/directory_checks.h"
#include "terrain_settings.h"

namespace terrainmap {
namespace {

constexpr const char* kTerrainValue = "DtmHcm";
constexpr const char* kBorderValue = "Border";

std::optional<MapDirectories>& Current() {
  static std::optional<MapDirectories> dirs;
  return dirs;
}

}  // namespace

MapDirectories StoredMapDirectories(const quorla::SettingsStore& store) {
  return {store.QueryText(quorla::kQuorlaKey, kTerrainValue).value_or(""),
          store.QueryText(quorla::kQuorlaKey, kBorderValue).value_or("")};
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
  return store.CreateOrOpenKey(quorla::kQuorlaKey) && store.SetText(quorla::kQuorlaKey, kTerrainValue, dirs.terrain) &&
         store.SetText(quorla::kQuorlaKey, kBorderValue, dirs.border);
}

}  // namespace terrainmap
