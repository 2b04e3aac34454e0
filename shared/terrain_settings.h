#pragma once
// What both terrain lookups read: the terrain directory and the height mode. The map window, the
// record editor and vatool set them; the lookups forget their open files and remembered tiles when
// the directory changes.
#include <string>

namespace quorla {

void SetTerrainDirectory(const std::string& dir);
const std::string& TerrainDirectory();
// Counts the changes of the directory, so a lookup can tell that its state is stale.
unsigned TerrainDirectoryGeneration();

// The map size "* 3.1 x 2.2  km" reads the grid point south-west of the position; all others
// interpolate (the default).
void SetNonInterpolatedHeights(bool nonInterpolated);
bool NonInterpolatedHeights();

}  // namespace quorla
