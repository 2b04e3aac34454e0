#pragma once
// The public town list the demo towns are made from: a sequence of length-prefixed protocol
// buffer messages, one per town, with the name (field 2, UTF-8), the feature code (7), the
// population (9) and the position as running sums of zigzag-coded steps of 1e-5 degree,
// longitude (10) and latitude (11), carried from one town to the next.
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace terrainmap {

struct City {
  std::string name;         // UTF-8
  std::string featureCode;  // "PPL", "PPLA", "PPLC", "PPLX" (a section of a town), ...
  uint64_t population = 0;
  double lon = 0, lat = 0;  // degrees; 0, 0 when the message carries no position
};

// All towns of the list; false (and the towns read so far) when the bytes are not such a list.
bool ParseCityList(std::string_view bytes, std::vector<City>& cities);
// The list in the file at path (at most 64 MiB); false when it cannot be read or parsed.
bool ReadCityList(const std::string& path, std::vector<City>& cities);

}  // namespace terrainmap
