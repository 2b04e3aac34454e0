#include "terrain_tile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "file_io.h"

#include "name_pattern.h"

namespace quorla {


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
  if (!ReadAt(fd_, bytes, static_cast<size_t>(length), static_cast<uint64_t>(k - 1) * static_cast<uint64_t>(length)))
    return false;
  for (long i = 0; i < length / 2; ++i)
    out[i] = static_cast<int16_t>(static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
  return true;
}

}  // namespace quorla
