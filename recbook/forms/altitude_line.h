#pragma once
// The Info dialog of [4Z]: the terrain altitude at the position of boxes 20 and 21.
#include <string>

namespace recbook {

class LibraryCalls;
class RecordFormPresenter;

// The editor's terrain directory is checked (and kept as checked), the altitude looked up:
// "Alti DTM (015 E 00 00, 49 N 30 00)  = 412 m", or " ???" in place of the value and unit when the
// lookup gives -300 or less (no tile, no directory).
std::string AltitudeLine(const RecordFormPresenter& form, LibraryCalls& calls);

}  // namespace recbook
