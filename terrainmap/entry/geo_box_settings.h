#pragma once
// The entry-box properties in force in this process: read once from the registry value
// "GeoTxtBox" by the first dialog that needs them, replaced when the properties dialog is
// confirmed.
#include "entry/geo_box_properties.h"
#include "settings_store.h"

namespace terrainmap {

// The properties stored in store now (a missing value gives all 0): the one reader of "GeoTxtBox"
// for every program that shows the boxes.
GeoBoxProperties ReadGeoBoxProperties(const quorla::SettingsStore& store);
// The properties in force; the first call reads them from store.
GeoBoxProperties GeoBoxPropertiesInForce(const quorla::SettingsStore& store);
// Puts p in force and writes it to store.
void KeepGeoBoxProperties(quorla::SettingsStore& store, const GeoBoxProperties& p);

}  // namespace terrainmap
