#include "point_altitude.h"

namespace quorla {
namespace {

struct PointLookupState {
  unsigned generation = 0;
  bool holdsBlock = false;
  int32_t heldKey = 0;
  bool missingKnown = false;  // the tile below was searched for and not found
  int missingLon = 0, missingLat = 0;
  bool tileOpen = false;  // the file below belongs to tile (openLon, openLat)
  int openLon = 0, openLat = 0;
  TileFile file;
  int16_t block[kMaxBlockValues];

  void Clear() {
    file.Close();
    holdsBlock = missingKnown = tileOpen = false;
  }
};

PointLookupState& State() {
  static PointLookupState state;
  return state;
}

}  // namespace

float PointAltitude(double lon, double lat) {
  PointLookupState& s = State();
  if (lon < -900) {
    s.Clear();
    return kNoHeight;
  }
  if (const unsigned g = TerrainDirectoryGeneration(); g != s.generation) {
    s.Clear();
    s.generation = g;
  }
  TileLocation t;
  if (!LocateTile(lon, lat, t)) return kNoHeight;
  if (s.missingKnown && s.missingLon == t.ilon && s.missingLat == t.ilat) return kNoHeight;
  if (!s.holdsBlock || t.key != s.heldKey) {
    if (!s.tileOpen || s.openLon != t.ilon || s.openLat != t.ilat) {
      s.file.Close();
      s.tileOpen = s.holdsBlock = false;
      const std::string path = FindTileFile(TerrainDirectory(), t.ilon, t.ilat);
      if (path.empty() || s.file.Open(path) != InputStatus::Ok) {
        s.missingKnown = true;
        s.missingLon = t.ilon;
        s.missingLat = t.ilat;
        return kNoHeight;
      }
      s.tileOpen = true;
      s.openLon = t.ilon;
      s.openLat = t.ilat;
    }
    if (!s.file.LongEnough(t.ilat)) return kNoHeight;
    s.holdsBlock = false;
    if (!s.file.ReadRecord(t.ilat, t.k, s.block)) return kNoHeight;
    s.holdsBlock = true;
    s.heldKey = t.key;
  }
  return HeightFromBlock(s.block, t.n + 1, t.x, t.y, !NonInterpolatedHeights());
}

}  // namespace quorla
