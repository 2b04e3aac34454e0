#pragma once
// The editor's registry values under Software\Quorla: archXMS, the last directory of the file
// dialogs (read at start, written at the end only when it changed), and GeoTxtBox, four
// two-digit properties of the co-ordinate entry boxes at characters 1, 4, 7 and 10.
#include <array>
#include <string>

#include "settings_store.h"

namespace recbook {

struct EditorSettings {
  std::string lastDirectory;
  std::array<int, 4> geoBoxProperties{};  // 0 when missing
};

EditorSettings ReadEditorSettings(quorla::SettingsStore& store, bool withGeoBox);
// Writes archXMS when lastDirectory differs from the value read at start.
void WriteLastDirectory(quorla::SettingsStore& store, const EditorSettings& atStart, const std::string& lastDirectory);

// The four numbers of a GeoTxtBox text; a missing or non-numeric pair gives 0.
std::array<int, 4> ParseGeoBoxProperties(const std::string& text);

}  // namespace recbook
