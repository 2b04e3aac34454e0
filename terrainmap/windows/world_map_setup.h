#pragma once
// The world map database's preparation when the map window opens: where its files are, and the
// INI entry "ORBIS_DataFileDir" (section "ORBIS") that tells the world map library.
#include <string>

namespace terrainmap {

struct WorldMapPlaces {
  std::string iniPath;      // "ATLASCFG.INI"
  std::string fixedFolder;  // the fixed folder looked at first, ending with "/"
};
// The settings folder's "ATLASCFG.INI" and the installed data folder, where the project's own
// world map database is installed.
WorldMapPlaces DefaultWorldMapPlaces();

// 1 both files in the fixed folder; 2 in the folder the INI entry names; 3 and 4 in the terrain
// directory's "#orbis" folder, now written into the entry (3 when it held a folder before, 4 when
// not); -1 files missing; -2 the entry could not be written.
int SetUpWorldMap(const std::string& terrainDir, const WorldMapPlaces& places);

}  // namespace terrainmap
