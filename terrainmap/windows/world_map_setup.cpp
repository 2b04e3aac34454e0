#include "windows/world_map_setup.h"

#include "ini_file.h"
#include "name_pattern.h"
#include "platform_paths.h"

namespace terrainmap {
namespace {

// The world map's line index and point file; the country table is looked for by the library.
bool HasWorldFiles(const std::string& folder) {
  return !folder.empty() && !quorla::FindFirstEntry(folder, "geoidx1.bin", false).empty() &&
         !quorla::FindFirstEntry(folder, "geopnt1.bin", false).empty();
}

}  // namespace

WorldMapPlaces DefaultWorldMapPlaces() {
  return {quorla::ConfigDirectory() + "ATLASCFG.INI", quorla::DataDirectory()};
}

int SetUpWorldMap(const std::string& terrainDir, const WorldMapPlaces& places) {
  if (HasWorldFiles(places.fixedFolder)) return 1;
  // The default is the system drive's root, never a data folder (3 characters or fewer).
  const std::string value = quorla::GetProfileString(places.iniPath, "ORBIS", "ORBIS_DataFileDir", "/");
  const bool valueSet = value.size() > 3;
  if (valueSet && HasWorldFiles(value)) return 2;
  const std::string orbis = terrainDir + (!terrainDir.empty() && terrainDir.back() == '/' ? "" : "/") + "#orbis/";
  if (terrainDir.empty() || !HasWorldFiles(orbis)) return -1;
  if (!quorla::WriteProfileString(places.iniPath, "ORBIS", "ORBIS_DataFileDir", orbis)) return -2;
  return valueSet ? 3 : 4;
}

}  // namespace terrainmap
