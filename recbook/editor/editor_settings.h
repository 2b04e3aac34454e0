#pragma once
// The editor's registry values under Software\Quorla: archXMS, the last directory of the file
// dialogs (read at start, written at the end only when it changed), GeoTxtBox, the properties of
// the co-ordinate entry boxes as the map library's properties dialog stores them, and
// EditorSize, the main window's size in pixels as the user last left it ("WIDTHxHEIGHT").
#include <string>

#include "entry/geo_box_properties.h"
#include "settings_store.h"

namespace recbook {

struct WindowSize {
  int width = 0;  // 0 when none is remembered
  int height = 0;
};

struct EditorSettings {
  std::string lastDirectory;
  terrainmap::GeoBoxProperties geoBoxProperties;  // as the map library reads GeoTxtBox
  WindowSize windowSize;
};

EditorSettings ReadEditorSettings(quorla::SettingsStore& store, bool withGeoBox);
// Writes archXMS when lastDirectory differs from the value read at start.
void WriteLastDirectory(quorla::SettingsStore& store, const EditorSettings& atStart, const std::string& lastDirectory);

void WriteWindowSize(quorla::SettingsStore& store, WindowSize size);
// "WIDTHxHEIGHT" with both between 100 and 20000 pixels; anything else gives no size.
WindowSize ParseWindowSize(const std::string& text);

}  // namespace recbook
