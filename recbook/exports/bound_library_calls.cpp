#include "bound_library_calls.h"

namespace recbook::exports {

int BoundLibraryCalls::ConvertCoordinates(TransfSourParams& block) { return TRANSFSOUR(&block); }
int BoundLibraryCalls::MapViewer(MapViewerParams& block) { return MAPAHCM(&block); }
int BoundLibraryCalls::AntennaEditor(AntennaEditParams& block) { return EDITANTVA(&block); }
std::string BoundLibraryCalls::CheckTerrainDirectory(const std::string& dir) { return VERADRHCM(dir.c_str()); }
int BoundLibraryCalls::DirectorySettings(TransfSourParams& block) { return NASTAVADRES(&block); }
int BoundLibraryCalls::EntryBoxSettings(TransfSourParams& block) { return NASTAVGEOPROP(&block); }

}  // namespace recbook::exports
