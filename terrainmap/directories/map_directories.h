#pragma once
// The map viewer's current terrain and border directories. They come from the registry values
// "DtmHcm" and "Border", normalised by the directory checks, until the directory dialog replaces
// them for the rest of the process.
#include <string>

#include "settings_store.h"

namespace terrainmap {

struct MapDirectories {
  std::string terrain, border;
};

// The raw registry values (empty when missing).
MapDirectories StoredMapDirectories(const quorla::SettingsStore& store);
// The directories in force: those set in this process, else the stored ones normalised.
MapDirectories CurrentMapDirectories(const quorla::SettingsStore& store);
// Makes dirs current; the terrain lookups follow the terrain directory.
void SetCurrentMapDirectories(const MapDirectories& dirs);
// Writes "DtmHcm" and "Border".
bool StoreMapDirectories(quorla::SettingsStore& store, const MapDirectories& dirs);

}  // namespace terrainmap
