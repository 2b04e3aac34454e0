#include "ui/library_entry_points.h"

namespace taskhub {

// The results are not used: the launcher shows its task window again whatever the library did.
void LibraryEntryPoints::MapViewer(MapViewerParams& block) { MAPAHCM(&block); }
void LibraryEntryPoints::Editor(EditorParams& block) { EDITORVA(&block); }
void LibraryEntryPoints::AntennaEditor(AntennaEditParams& block) { EDITANTVA(&block); }

}  // namespace taskhub
