#pragma once
// The last geodetic system chosen in the conversion dialog: registry value "GeoSyst" (decimal text)
// under Software\Quorla.
#include "settings_store.h"

namespace terrainmap {

// The stored list index; a missing, empty or unreadable value, or one outside the list, reads as 0.
int ReadGeodeticSystemSetting(const quorla::SettingsStore& store);
// Writes chosen only when it differs from what was read when the dialog opened.
void WriteGeodeticSystemSetting(quorla::SettingsStore& store, int read, int chosen);

}  // namespace terrainmap
