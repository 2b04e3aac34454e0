#include "terrain_settings.h"

namespace quorla {
namespace {

std::string& Directory() {
  static std::string dir;
  return dir;
}

}  // namespace

void SetTerrainDirectory(const std::string& dir) {
  if (dir == Directory()) return;
  Directory() = dir;
  detail::terrainGeneration.fetch_add(1, std::memory_order_release);
}

const std::string& TerrainDirectory() { return Directory(); }

void SetNonInterpolatedHeights(bool on) { detail::nonInterpolated.store(on, std::memory_order_relaxed); }

}  // namespace quorla
