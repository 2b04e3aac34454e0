#include "terrain/bulk_altitude.h"

#include <memory>
#include <string>

#include "terrain_settings.h"
#include "terrain_tile.h"

namespace terrainmap {
namespace {

using quorla::kMaxBlockValues;
using quorla::kNoHeight;

constexpr int kSlots = 82;
constexpr int kLatitudes = 100;  // every latitude degree LocateTile accepts

struct Slot {
  int32_t key = 0;
  int16_t heights[kMaxBlockValues];
};

enum class TileState : unsigned char { NotSearched, Missing, Found };

struct BulkState {
  unsigned generation = 0;
  std::unique_ptr<Slot[]> slots;  // allocated on the first call, freed by the reset
  bool hasColumn = false;
  int column = 0;  // ilon of the current longitude column
  TileState tiles[kLatitudes] = {};
  std::string tilePaths[kLatitudes];
  int slotCount = 0;  // slots 1..slotCount hold blocks of the current strip
  int nextSlot = 0;   // the slot the next read fills (0-based, wraps after 82)
  int lastBx = 99;
  int32_t lastKey = 0;
  int lastSlot = -1;
  quorla::TileFile file;

  void ForgetColumn() {
    for (int i = 0; i < kLatitudes; ++i) {
      tiles[i] = TileState::NotSearched;
      tilePaths[i].clear();
    }
    file.Close();
    lastBx = 99;
    lastKey = 0;
    lastSlot = -1;
    slotCount = nextSlot = 0;
  }
};

BulkState& State() {
  static BulkState state;
  return state;
}

}  // namespace

float BulkAltitude(double lon, double lat) {
  BulkState& s = State();
  if (lon < -900) {
    s.slots.reset();
    s.hasColumn = false;
    s.ForgetColumn();
    return kNoHeight;
  }
  if (!s.slots) s.slots = std::make_unique<Slot[]>(kSlots);
  if (const unsigned g = quorla::TerrainDirectoryGeneration(); g != s.generation) {
    s.generation = g;
    s.hasColumn = false;
  }
  quorla::TileLocation t;
  if (!quorla::LocateTile(lon, lat, t)) return kNoHeight;
  if (!s.hasColumn || t.ilon != s.column) {
    s.ForgetColumn();
    s.column = t.ilon;
    s.hasColumn = true;
  }
  TileState& tile = s.tiles[t.ilat];
  if (tile == TileState::Missing) return kNoHeight;
  if (t.bx != s.lastBx) {
    s.slotCount = s.nextSlot = 0;  // the cache holds one 5' strip
    s.lastSlot = -1;
    s.lastBx = t.bx;
  }
  int slot = -1;
  if (s.lastSlot >= 0 && t.key == s.lastKey) {
    slot = s.lastSlot;
  } else {
    for (int i = 0; i < s.slotCount; ++i) {
      if (s.slots[i].key == t.key) {
        slot = i;
        break;
      }
    }
  }
  if (slot < 0) {
    std::string& path = s.tilePaths[t.ilat];
    if (tile == TileState::NotSearched) {
      path = quorla::FindTileFile(quorla::TerrainDirectory(), t.ilon, t.ilat);
      if (path.empty()) {
        tile = TileState::Missing;
        return kNoHeight;
      }
      tile = TileState::Found;
    }
    if (!s.file.IsOpen() || s.file.Path() != path) {
      if (s.file.Open(path) != quorla::InputStatus::Ok) {
        tile = TileState::Missing;
        return kNoHeight;
      }
    }
    if (!s.file.LongEnough(t.ilat)) {
      tile = TileState::Missing;
      return kNoHeight;
    }
    slot = s.nextSlot;
    if (!s.file.ReadRecord(t.ilat, t.k, s.slots[slot].heights)) {
      tile = TileState::Missing;
      return kNoHeight;
    }
    s.slots[slot].key = t.key;
    s.nextSlot = (s.nextSlot + 1) % kSlots;
    if (s.slotCount < kSlots) ++s.slotCount;
  }
  s.lastKey = t.key;
  s.lastSlot = slot;
  return quorla::HeightFromBlock(s.slots[slot].heights, t.n + 1, t.x, t.y, !quorla::NonInterpolatedHeights());
}

}  // namespace terrainmap
