#pragma once
// The launcher's main loop: settings read, task window, chosen library, task window again; the
// settings written back when the user cancels and they changed.
#include <string>

#include "antenna_edit_params.h"
#include "editor_params.h"
#include "map_params.h"
#include "settings_store.h"

namespace taskhub {

// The launcher's window title and the caption prefix handed to every library.
inline constexpr const char* kCaption = " MIRANDEX: ";
inline constexpr const char* kSettingsValue = "JazUlo";

// The three libraries' entry points (the real ones, or a stand-in in tests). Results are ignored.
class EntryPoints {
 public:
  virtual ~EntryPoints() = default;
  virtual void MapViewer(MapViewerParams& block) = 0;
  virtual void Editor(EditorParams& block) = 0;
  virtual void AntennaEditor(AntennaEditParams& block) = 0;
};

// Builds and runs the modal task window; returns its code.
class TaskWindows {
 public:
  virtual ~TaskWindows() = default;
  virtual int Run(int language, int task) = 0;
};

// Zero-filled blocks carrying only the language byte and the caption prefix.
MapViewerParams MapViewerBlock(int language, const std::string& caption);
EditorParams EditorBlock(int language, const std::string& caption);
AntennaEditParams AntennaEditorBlock(int language, const std::string& caption);

// Runs until the task window is cancelled; returns the process exit code (0).
int RunLauncher(TaskWindows& windows, EntryPoints& entries, quorla::SettingsStore& settings);

}  // namespace taskhub
