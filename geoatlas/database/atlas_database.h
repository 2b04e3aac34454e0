#pragma once
// The world map database in memory: the three files read whole and checked against each other,
// so that lookups and passes never read outside them.
#include <span>
#include <string>
#include <vector>

#include "world_files.h"

namespace quorla::geoatlas {

inline constexpr const char* kIndexFileName = "GEOIDX1.BIN";
inline constexpr const char* kPointFileName = "GEOPNT1.BIN";
inline constexpr const char* kTableFileName = "GEOCCD3.BIN";

struct Database {
  std::vector<IndexRecord> index;
  PointFile points;
  CountryTable table;
  std::vector<const LineBlock*> lines;  // line k (number kFirstLineNumber + k) -> its block

  std::span<const float> Points(const LineBlock& b) const {
    return {points.points.data() + 2 * b.firstPoint, 2 * static_cast<size_t>(b.count)};
  }
};

// What went wrong while loading: the message text (one of the library's error texts).
struct LoadFailure {
  std::string text;
};

// The largest world map file read; the whole world at full detail is a few megabytes.
inline constexpr size_t kMaxWorldFileBytes = 256u << 20;

// Reads the three files; false with the failure when one is missing, not a readable regular file
// of at most kMaxWorldFileBytes, of the wrong format, truncated or damaged, or when an area refers
// to a line the files do not hold.
bool LoadDatabase(const std::string& indexPath, const std::string& pointPath, const std::string& tablePath,
                  Database& db, LoadFailure& failure);

// The same from bytes already in memory (the fuzz target and tests).
bool LoadDatabaseBytes(std::span<const uint8_t> index, std::span<const uint8_t> points,
                       std::span<const uint8_t> table, Database& db, LoadFailure& failure);

}  // namespace quorla::geoatlas
