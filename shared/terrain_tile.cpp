#include "terrain_tile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

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

InputStatus TileFile::Open(const std::string& path) {
  Close();
  // Only the 144 records are ever read, so a longer file does no harm.
  const InputStatus status = file_.Open(path, std::numeric_limits<unsigned long long>::max());
  if (status != InputStatus::Ok) return status;
  length_ = static_cast<long long>(file_.size());
  path_ = path;
  return status;
}

bool TileFile::LongEnough(int ilat) {
  if (!file_.IsOpen()) return false;
  if (length_ < RequiredTileLength(ilat)) {
    struct stat st {};
    if (::fstat(file_.fd(), &st) == 0) length_ = st.st_size;
  }
  return length_ >= RequiredTileLength(ilat);
}

void TileFile::Close() {
  file_.Close();
  length_ = 0;
  path_.clear();
}

bool TileFile::ReadRecord(int ilat, int k, int16_t* out) {
  const long length = RecordLength(ilat);
  if (!file_.IsOpen() || k < 1 || k > 144) return false;
  unsigned char bytes[2 * kMaxBlockValues];
  if (!ReadAt(file_.fd(), bytes, static_cast<size_t>(length), static_cast<uint64_t>(k - 1) * static_cast<uint64_t>(length)))
    return false;
  for (long i = 0; i < length / 2; ++i)
    out[i] = static_cast<int16_t>(static_cast<uint16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)));
  return true;
}

}  // namespace quorla
