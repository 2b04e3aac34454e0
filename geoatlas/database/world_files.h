#pragma once
// The three world map database files as held in memory: the line index ("GEOIDX1.BIN"), the
// points of all lines ("GEOPNT1.BIN") and the country table ("GEOCCD3.BIN"). The byte layouts are
// described in geoatlas/world_files.md; the readers accept any content and report damage by status.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quorla::geoatlas {

using Code = std::array<char, 3>;  // 3-letter country code, blank-padded

inline constexpr size_t kIndexRecordSize = 47;
inline constexpr int32_t kFirstLineNumber = 1000000;  // numbers up to 999999 end a pass
inline constexpr size_t kTableBlockSize = 18;
inline constexpr int kTableFormat = 2;
inline constexpr int32_t kPointFileFormat = 2;
inline constexpr int kMaxPointsPerLine = 1000;  // the converter splits longer lines
inline constexpr int32_t kMaxLines = 1 << 24;     // line references beyond are damage
inline constexpr int kTypeOneCountry[] = {'I', 'C', 'L', 'R'};

// West, south, east, north in radians.
struct Window {
  float west = 0, south = 0, east = 0, north = 0;
};

struct IndexRecord {
  Code code{' ', ' ', ' '};
  char type = 'C';
  int32_t number = 0;
  uint16_t pointCount = 0;
  uint32_t pointOffset = 0;  // byte offset of the line's block in the point file
  char entry = 'P';          // 'P' first (or only) entry of a line, 'S' second entry of a border line
  std::array<int32_t, 4> firstWindow{};  // the bounding window in 1e-7 radians, a check copy
  Window window;
};

struct LineBlock {
  int32_t number = 0;
  uint32_t offset = 0;
  uint32_t firstPoint = 0;  // index into PointFile::points (pairs)
  uint32_t count = 0;
};

struct PointFile {
  std::vector<LineBlock> blocks;  // in file order (ascending offsets)
  std::vector<float> points;      // lon, lat pairs in radians
  // The block that starts at offset and holds line number, or nullptr.
  const LineBlock* Find(uint32_t offset, int32_t number) const;
};

struct Area {
  Code code{' ', ' ', ' '};
  bool inner = false;  // an enclave: it is the inner area of another area
  Window window;
  int32_t inner1 = -1, inner2 = -1;        // area indices, -1 = none
  std::vector<std::vector<int32_t>> rings;  // outline first, then cut-outs; refs ±(k+1) to line k
};

struct CountryTable {
  std::vector<Area> areas;
  std::vector<int32_t> fixedList;  // the line numbers of the "R13" pass
};

enum class FileStatus { Ok, Truncated, WrongVersion, Damaged };

FileStatus ReadLineIndex(std::span<const uint8_t> bytes, std::vector<IndexRecord>& records);
FileStatus ReadPointFile(std::span<const uint8_t> bytes, PointFile& file);
FileStatus ReadCountryTable(std::span<const uint8_t> bytes, CountryTable& table);

// The writers used by the converter; a table too large for its 16-bit header gives false.
std::vector<uint8_t> WriteLineIndex(const std::vector<IndexRecord>& records);
// Writes the blocks for lines given as (number, lon/lat pairs) and sets each offset in blocks.
std::vector<uint8_t> WritePointFile(const std::vector<std::pair<int32_t, std::vector<float>>>& lines,
                                    std::vector<uint32_t>& offsets);
bool WriteCountryTable(const CountryTable& table, std::vector<uint8_t>& bytes);

std::array<int32_t, 4> FirstWindowOf(const Window& w);
bool IsOneCountryType(char type);

}  // namespace quorla::geoatlas
