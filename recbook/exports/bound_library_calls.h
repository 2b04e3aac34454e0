#pragma once
// The record form's calls into the map library and the antenna editor, bound to their entry
// points when the editor library is loaded.
#include "forms/library_calls.h"

namespace recbook::exports {

class BoundLibraryCalls : public LibraryCalls {
 public:
  int ConvertCoordinates(TransfSourParams& block) override;
  int MapViewer(MapViewerParams& block) override;
  int AntennaEditor(AntennaEditParams& block) override;
  std::string CheckTerrainDirectory(const std::string& dir) override;
  int DirectorySettings(TransfSourParams& block) override;
  int EntryBoxSettings(TransfSourParams& block) override;
};

}  // namespace recbook::exports
