#pragma once
// HCM-TOPO terrain tiles: where a position lies, how a tile file is laid out, and the height taken
// from one block record.
//
// A tile covers 1 x 1 degree from its south-west corner (ilon, ilat) and is split into 12 x 12
// blocks of 5' x 5', numbered k = 12*by + bx + 1 from the south-west, rows south to north. Block k
// is record k (1-based) of L bytes: 101 rows of signed 16-bit little-endian heights, south to
// north, each row west to east, with both block edges included. Below 50N a row has 101 columns
// (3" x 3"), from 50N on 51 columns (6" x 3"). A file shorter than 144 records (plus 1024 bytes
// below 50N) is missing.
#include <cmath>
#include <cstdint>
#include <string>

#include "input_file.h"

namespace quorla {

inline constexpr float kNoHeight = -9999.0f;

inline constexpr int kBlockRows = 101;
inline constexpr int kMaxBlockColumns = 101;
inline constexpr int kMaxBlockValues = kBlockRows * kMaxBlockColumns;  // 10 201

// Grid intervals per block row: 100 below 50N, 50 from 50N on.
inline constexpr int BlockIntervals(int ilat) { return ilat < 50 ? 100 : 50; }
inline constexpr int BlockColumns(int ilat) { return BlockIntervals(ilat) + 1; }
// Record length L in bytes: 20 402 or 10 302.
inline constexpr long RecordLength(int ilat) { return 2L * kBlockRows * BlockColumns(ilat); }
// The shortest usable file: 144 records, plus 1024 bytes below 50N (2 938 912 and 1 483 488).
inline constexpr long RequiredTileLength(int ilat) { return 144 * RecordLength(ilat) + (ilat < 50 ? 1024 : 0); }

struct TileLocation {
  int ilon = 0, ilat = 0;  // south-west corner of the tile
  int bx = 0, by = 0;      // block column from the west, block row from the south (0..11)
  int k = 1;               // block number 1..144
  int n = 100;             // grid intervals per block row
  double x = 0, y = 0;     // grid position inside the block: 0..n columns, 0..100 rows
  int32_t key = 0;         // ilon * 1 000 000 + ilat * 1000 + k
};

// False (no data) south of the equator and for positions no tile can hold (not finite, |lon| of
// 1000 or more, lat of 100 or more).
inline bool LocateTile(double lon, double lat, TileLocation& out);

// "E015", "W004": hemisphere letter and three-digit degrees of the longitude column.
std::string TileColumnName(int ilon);
// "E015N49".
std::string TileName(int ilon, int ilat);

// The tile file of (ilon, ilat) under the terrain directory: the first entry of the column folder
// matching the tile name + ".?3E", names compared without regard to case. Empty when none.
std::string FindTileFile(const std::string& terrainDir, int ilon, int ilat);

// The height at grid position (x, y) of a block of `columns` columns: bilinear and rounded to
// 0.1 m, or the value of the grid point south-west of the position. Values are used unchanged
// (negative heights and void markers included).
inline float HeightFromBlock(const int16_t* block, int columns, double x, double y, bool interpolated);

// An open tile file, read one record at a time.
class TileFile {
 public:
  TileFile() = default;
  ~TileFile();
  TileFile(const TileFile&) = delete;
  TileFile& operator=(const TileFile&) = delete;

  // Opens a tile; only a regular file is taken (a FIFO or a device in the terrain folder is not).
  InputStatus Open(const std::string& path);
  void Close();
  bool IsOpen() const { return file_.IsOpen(); }
  const std::string& Path() const { return path_; }
  // True when the file has the required length for tiles at ilat; a short file is measured
  // again on each call, so a tile that is still being written is taken once it is complete.
  bool LongEnough(int ilat);
  // Reads record k (1..144) of tiles at ilat into out (RecordLength(ilat) / 2 values).
  bool ReadRecord(int ilat, int k, int16_t* out);

 private:
  InputFile file_;
  long long length_ = 0;
  std::string path_;
};

// Both lookups run these once per height, so they are defined here to be inlined.

inline bool LocateTile(double lon, double lat, TileLocation& t) {
  if (!(lat >= 0) || !(lat < 100) || !(std::fabs(lon) < 1000)) return false;
  t.ilat = static_cast<int>(lat);
  const double fy = lat - t.ilat;
  t.ilon = static_cast<int>(lon);
  double fx = lon - t.ilon;
  if (fx < 0) {
    t.ilon -= 1;
    fx = lon - t.ilon;
  }
  // A longitude a hair below a whole degree can round fx up to exactly 1; it stays in this tile.
  t.bx = static_cast<int>(12 * fx);
  t.by = static_cast<int>(12 * fy);
  if (t.bx > 11) t.bx = 11;
  if (t.by > 11) t.by = 11;
  t.k = 12 * t.by + t.bx + 1;
  t.n = BlockIntervals(t.ilat);
  // bx / 12.0 from a table: the same values, without two divisions per height.
  static constexpr double kTwelfths[12] = {0 / 12.0, 1 / 12.0, 2 / 12.0, 3 / 12.0, 4 / 12.0,  5 / 12.0,
                                           6 / 12.0, 7 / 12.0, 8 / 12.0, 9 / 12.0, 10 / 12.0, 11 / 12.0};
  t.x = (fx - kTwelfths[t.bx]) * 12 * t.n;
  t.y = (fy - kTwelfths[t.by]) * 1200;
  t.key = t.ilon * 1000000 + t.ilat * 1000 + t.k;
  return true;
}

namespace detail {

// std::round for heights in tenths, without the library call: the integer part is exact, so is
// the fraction beside it, and halves go away from zero. Without branches: which way a height
// rounds is as good as random.
inline long RoundHalfAway(double t) {
  const long n = static_cast<long>(t);
  const double fraction = t - static_cast<double>(n);
  return n + static_cast<long>(fraction >= 0.5) - static_cast<long>(fraction <= -0.5);
}

}  // namespace detail

inline float HeightFromBlock(const int16_t* block, int columns, double x, double y, bool interpolated) {
  const int n = columns - 1;
  int i = static_cast<int>(x);
  int j = static_cast<int>(y);
  // Positions are inside the block by construction; the clamps only guard against rounding.
  if (i < 0) i = 0;
  if (j < 0) j = 0;
  if (!interpolated) return block[(j > 100 ? 100 : j) * columns + (i > n ? n : i)];
  if (i > n - 1) i = n - 1;
  if (j > 99) j = 99;
  const double u = x - i, v = y - j;
  const int16_t* row = block + j * columns + i;
  const double h00 = row[0], h10 = row[1], h01 = row[columns], h11 = row[columns + 1];
  const double a = h00 + u * (h10 - h00);
  const double b = h01 + u * (h11 - h01);
  // n tenths times 0.1 in double precision, then single: the float nearest to n / 10 for every
  // height a tile can hold, without a division.
  return static_cast<float>(static_cast<double>(detail::RoundHalfAway((a + v * (b - a)) * 10)) * 0.1);
}

}  // namespace quorla
