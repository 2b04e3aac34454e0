#pragma once
// The town-name file ".bdt": 14-byte records of a position (longitude, latitude as in ".bd", two
// bytes each) and a name of 10 bytes; a record whose longitude value is 0 ends the file. Names
// come in order of importance.
#include <iosfwd>
#include <string>
#include <vector>

#include "input_file.h"

namespace terrainmap {

struct TownName {
  double lon, lat;   // degrees
  std::string name;  // without its zero bytes
};

inline constexpr int kTownRecordBytes = 14;

// The first maxCount names (fewer when the file ends or is truncated first).
std::vector<TownName> ReadTownNames(std::istream& in, size_t maxCount);
quorla::InputStatus ReadTownFile(const std::string& path, size_t maxCount, std::vector<TownName>& towns);

}  // namespace terrainmap
