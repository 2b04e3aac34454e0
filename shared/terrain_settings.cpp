#include "terrain_settings.h"

#include <atomic>

namespace quorla {
namespace {

std::string& Directory() {
  static std::string dir;
  return dir;
}
std::atomic<unsigned> generation{0};
std::atomic<bool> nonInterpolated{false};

}  // namespace

void SetTerrainDirectory(const std::string& dir) {
  if (dir == Directory()) return;
  Directory() = dir;
  generation.fetch_add(1, std::memory_order_release);
}

const std::string& TerrainDirectory() { return Directory(); }

unsigned TerrainDirectoryGeneration() { return generation.load(std::memory_order_acquire); }

void SetNonInterpolatedHeights(bool on) { nonInterpolated.store(on, std::memory_order_relaxed); }

bool NonInterpolatedHeights() { return nonInterpolated.load(std::memory_order_relaxed); }

}  // namespace quorla
