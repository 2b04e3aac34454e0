// Any bytes as a terrain tile file, then both lookups on positions in and around the tile. The
// first byte chooses the layout (below or from 50N), whether the file is extended with zeros to
// the required length (or one byte short of it), the height mode, the case of the names and
// whether the lookups are reset by their reset call or by a change of the terrain directory.
#include <unistd.h>

#include <cctype>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <string>

#include "testing/fuzz_scratch.h"
#include "point_altitude.h"
#include "terrain/bulk_altitude.h"

namespace {

void Check(double lon, double lat) {
  const float point = quorla::PointAltitude(lon, lat);
  const float bulk = terrainmap::BulkAltitude(lon, lat);
  if (!(point == quorla::kNoHeight || (point >= -32768 && point <= 32767))) __builtin_trap();
  if (!(point == bulk)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  namespace fs = std::filesystem;
  if (size < 1) return 0;
  // Two directories in turn, so that each input is a change of directory for both lookups.
  static int turn = 0;
  turn ^= 1;
  const fs::path dtm = fs::path(quorla::fuzz::ScratchDir()) / (turn ? "dtm1" : "dtm0");
  const uint8_t flags = data[0];
  const int ilat = flags & 1 ? 50 : 49;
  const bool extend = flags & 2, oneShort = flags & 4;
  const bool lower = flags & 16, inFirstBlock = flags & 32, reset = (flags & 0xC0) == 0xC0;

  fs::remove_all(dtm);
  std::string column = quorla::TileColumnName(15), name = quorla::TileName(15, ilat) + (ilat < 50 ? ".33E" : ".63E");
  if (lower)
    for (std::string* s : {&column, &name})
      for (char& c : *s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  fs::create_directories(dtm / column);
  const std::string relative = column + "/" + name;
  const std::string path = quorla::fuzz::WriteInput("tile", data + 1, size - 1);
  fs::rename(path, dtm / relative);
  if (extend && ::truncate((dtm / relative).c_str(), quorla::RequiredTileLength(ilat) - (oneShort ? 1 : 0)) != 0)
    return 0;

  quorla::SetTerrainDirectory(dtm.string());
  quorla::SetNonInterpolatedHeights(flags & 8);
  if (reset) {
    quorla::PointAltitude(-999, 0);
    terrainmap::BulkAltitude(-999, 0);
  }

  // Corners and edges of the tile, its neighbours, and positions spread by the input (all in the
  // first block when the input lies there).
  const double fixed[][2] = {{15, 0}, {15.999999, 0.999999}, {15.5, 0.5}, {16, 0}, {14.999, 0.5}, {15, 1}, {15.25, -0.001}};
  for (const auto& p : fixed) Check(p[0], ilat + p[1]);
  const double span = inFirstBlock ? 1.0 / 12 : 1.0;
  for (size_t i = 1; i + 1 < size && i < 64; i += 2) Check(15 + data[i] / 256.0 * span, ilat + data[i + 1] / 256.0 * span);
  if (size >= 17) {
    double lon, lat;
    std::memcpy(&lon, data + 1, sizeof lon);
    std::memcpy(&lat, data + 9, sizeof lat);
    Check(lon, lat);
  }
  return 0;
}
