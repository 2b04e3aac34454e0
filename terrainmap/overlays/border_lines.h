#pragma once
// Border-line files "*.000" of the border directory: 176-byte records of 11 points, each point two
// little-endian 64-bit floats (longitude, latitude) in radians. Slots past a line's end repeat the
// record's first point and are not drawn. A record whose first point lies more than 0.8 km from
// the last point of the previous record starts a new line; otherwise the line goes on.
#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

#include "input_file.h"

namespace terrainmap {

struct LinePoint {
  double lon, lat;  // degrees
};
using Polyline = std::vector<LinePoint>;

inline constexpr int kBorderRecordBytes = 176;
// The largest overlay file (border, road or town) read; the real ones are a few megabytes.
inline constexpr size_t kMaxOverlayFileBytes = 64u << 20;
inline constexpr double kBorderContinuationKm = 0.8;

// The lines of one file; a truncated last record is ignored, points that are not finite or lie
// outside -180..180 / -90..90 degrees are left out.
std::vector<Polyline> ReadBorderLines(std::istream& in);
// The lines of the file at path (none unless it reads Ok).
quorla::InputStatus ReadBorderLineFile(const std::string& path, std::vector<Polyline>& lines);

// Of the "*.000" names (in the order the directory scan found them) those to draw: a name whose
// first six characters are the second code followed by the first code of a name already taken is
// the same line and is skipped, as is a name with "xxx" as its first or second code (codes
// compared without regard to case).
std::vector<std::string> SelectBorderFiles(const std::vector<std::string>& names);

// The "*.000" file names of a folder, in the order of the directory scan.
std::vector<std::string> ListBorderFiles(const std::string& dir);

}  // namespace terrainmap
