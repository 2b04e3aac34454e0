#pragma once
// What both terrain lookups read: the terrain directory and the height mode. The map window, the
// record editor and vatool set them; the lookups forget their open files and remembered tiles when
// the directory changes.
#include <atomic>
#include <string>

namespace quorla {

void SetTerrainDirectory(const std::string& dir);
const std::string& TerrainDirectory();
// Counts the changes of the directory, so a lookup can tell that its state is stale.
inline unsigned TerrainDirectoryGeneration();

// The map size "* 3.1 x 2.2  km" reads the grid point south-west of the position; all others
// interpolate (the default).
void SetNonInterpolatedHeights(bool nonInterpolated);
inline bool NonInterpolatedHeights();

// Both lookups ask these once per height, so they are inline.
namespace detail {
inline std::atomic<unsigned> terrainGeneration{0};
inline std::atomic<bool> nonInterpolated{false};
}  // namespace detail
inline unsigned TerrainDirectoryGeneration() { return detail::terrainGeneration.load(std::memory_order_acquire); }
inline bool NonInterpolatedHeights() { return detail::nonInterpolated.load(std::memory_order_relaxed); }

}  // namespace quorla
