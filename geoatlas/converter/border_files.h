#pragma once
// The border-line files ("*.000") of the agreement's countries, derived from the border lines of
// the world map: one file per pair of neighbours, named by the two codes, 176-byte records of 11
// points (two little-endian 64-bit floats, longitude and latitude in radians).
#include <string>
#include <vector>

#include "atlas_builder.h"

namespace quorla::geoatlas {

inline constexpr size_t kBorderRecordPoints = 11;

// The content of one file for the lines of a pair: each line continues from record to record
// through the shared last/first point; unused slots repeat the record's first point.
std::string BorderFileBytes(const std::vector<const BorderLine*>& lines);

// Writes all files into folder (created when missing); false naming the file that failed.
bool WriteBorderFiles(const std::vector<BorderLine>& borders, const std::string& folder, std::string& error);

}  // namespace quorla::geoatlas
