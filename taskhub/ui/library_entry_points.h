#pragma once
// The launcher's calls into the three libraries, bound when the program is loaded.
#include "launcher.h"

namespace taskhub {

class LibraryEntryPoints : public EntryPoints {
 public:
  void MapViewer(MapViewerParams& block) override;
  void Editor(EditorParams& block) override;
  void AntennaEditor(AntennaEditParams& block) override;
};

}  // namespace taskhub
