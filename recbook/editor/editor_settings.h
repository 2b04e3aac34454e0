#pragma once
// The editor's registry values under Software\Quorla: archXMS, the last directory of the file
// dialogs (read at start, written at the end only when it changed), and GeoTxtBox, four
// two-digit properties of the co-ordinate entry boxes at characters 1, 4, 7 and 10, and
// EditorSize, the main window's size in pixels as the user last left it ("WIDTHxHEIGHT").
#include <array>
#include <string>

#include "settings_store.h"

namespace recbook {

struct WindowSize {
  int width = 0;  // 0 when none is remembered
  int height = 0;
};

struct EditorSettings {
  std::string lastDirectory;
  std::array<int, 4> geoBoxProperties{};  // 0 when missing
  WindowSize windowSize;
};

EditorSettings ReadEditorSettings(quorla::SettingsStore& store, bool withGeoBox);
// Writes archXMS when lastDirectory differs from the value read at start.
void WriteLastDirectory(quorla::SettingsStore& store, const EditorSettings& atStart, const std::string& lastDirectory);

void WriteWindowSize(quorla::SettingsStore& store, WindowSize size);
// "WIDTHxHEIGHT" with both between 100 and 20000 pixels; anything else gives no size.
WindowSize ParseWindowSize(const std::string& text);

// The four numbers of a GeoTxtBox text; a missing or non-numeric pair gives 0.
std::array<int, 4> ParseGeoBoxProperties(const std::string& text);

}  // namespace recbook
