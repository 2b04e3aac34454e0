#pragma once
// The other libraries' windows that the record form's Info dialogs open: the datum conversion
// dialog, the map viewer and the antenna editor, and the terrain directory check; and the map
// library's settings dialogs of the Utilities menu. The editor binds
// the libraries' entry points (exports/bound_library_calls); tests answer with a stand-in. Each
// call runs its window modally and answers as the entry point does (1 confirmed, 0 cancelled).
#include <string>

#include "antenna_edit_params.h"
#include "map_params.h"

namespace recbook {

class LibraryCalls {
 public:
  virtual ~LibraryCalls() = default;
  virtual int ConvertCoordinates(TransfSourParams& block) = 0;  // TRANSFSOUR
  virtual int MapViewer(MapViewerParams& block) = 0;             // MAPAHCM
  virtual int AntennaEditor(AntennaEditParams& block) = 0;       // EDITANTVA
  // The usable terrain directory for dir, or an empty text (VERADRHCM).
  virtual std::string CheckTerrainDirectory(const std::string& dir) = 0;
  // The settings dialogs of the editor's Utilities menu: the directories (NASTAVADRES, which keeps
  // them itself) and the entry-box properties (NASTAVGEOPROP, which stores them on OK).
  virtual int DirectorySettings(TransfSourParams& block) = 0;
  virtual int EntryBoxSettings(TransfSourParams& block) = 0;
};

}  // namespace recbook
