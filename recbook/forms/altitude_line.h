#pragma once
// The Info dialog of [4Z]: the terrain altitude at the position of boxes 20 and 21.
#include <string>

#include "forms/info_request.h"

namespace recbook {

// The editor's terrain directory is checked (and kept as checked), the altitude looked up:
// "Alti DTM (015 E 00 00, 49 N 30 00)  = 412 m", or " ???" in place of the value and unit when the
// lookup gives -300 or less (no tile, no directory).
std::string AltitudeLine(const InfoRequest& request, LibraryCalls& calls);

}  // namespace recbook
