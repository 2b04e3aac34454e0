#include "terrain_tile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "name_pattern.h"

namespace quorla {

bool LocateTile(double lon, double lat, TileLocation& t) {
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
  t.x = (fx - t.bx / 12.0) * 12 * t.n;
  t.y = (fy - t.by / 12.0) * 1200;
  t.key = t.ilon * 1000000 + t.ilat * 1000 + t.k;
  return true;
}

std::string TileColumnName(int ilon) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%c%03d", ilon < 0 ? 'W' : 'E', ilon < 0 ? -ilon : ilon);
  return buffer;
}

std::string TileName(int ilon, int ilat) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "N%02d", ilat);
  return TileColumnName(ilon) + buffer;
}

std::string FindTileFile(const std::string& terrainDir, int ilon, int ilat) {
  const std::string column = FindFirstEntry(terrainDir, TileColumnName(ilon), true);
  if (column.empty()) return {};
  return FindFirstEntry(column, TileName(ilon, ilat) + ".?3E", false);
}

namespace {

// std::round for heights in tenths, without the library call: the integer part is exact, so is
// the fraction beside it, and halves go away from zero.
long RoundHalfAway(double t) {
  long n = static_cast<long>(t);
  const double fraction = t - static_cast<double>(n);
  if (fraction >= 0.5) ++n;
  else if (fraction <= -0.5) --n;
  return n;
}

}  // namespace

float HeightFromBlock(const int16_t* block, int columns, double x, double y, bool interpolated) {
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
  // The float nearest to n / 10, the same as through a double.
  return static_cast<float>(RoundHalfAway((a + v * (b - a)) * 10)) / 10.0f;
}

TileFile::~TileFile() { Close(); }

bool TileFile::Open(const std::string& path) {
  Close();
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) return false;
  struct stat st {};
  length_ = ::fstat(fd_, &st) == 0 ? st.st_size : 0;
  path_ = path;
  return true;
}

bool TileFile::LongEnough(int ilat) {
  if (fd_ < 0) return false;
  if (length_ < RequiredTileLength(ilat)) {
    struct stat st {};
    if (::fstat(fd_, &st) == 0) length_ = st.st_size;
  }
  return length_ >= RequiredTileLength(ilat);
}

void TileFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  length_ = 0;
  path_.clear();
}

bool TileFile::ReadRecord(int ilat, int k, int16_t* out) {
  const long length = RecordLength(ilat);
  if (fd_ < 0 || k < 1 || k > 144) return false;
  unsigned char bytes[2 * kMaxBlockValues];
  const off_t at = static_cast<off_t>(k - 1) * length;
  long done = 0;
  while (done < length) {
    const ssize_t got = ::pread(fd_, bytes + done, length - done, at + done);
    if (got <= 0) return false;
    done += got;
  }
  for (long i = 0; i < length / 2; ++i)
    out[i] = static_cast<int16_t>(static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
  return true;
}

}  // namespace quorla
