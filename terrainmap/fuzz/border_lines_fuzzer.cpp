// Any bytes as a border-line file "*.000", and as a list of file names for the pairing rule.
#include <cmath>
#include <string>
#include <vector>

#include "testing/fuzz_scratch.h"
#include "overlays/border_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = quorla::fuzz::WriteInput("CZESVK.000", data, size);
  std::vector<terrainmap::Polyline> lines;
  if (terrainmap::ReadBorderLineFile(path, lines) != quorla::InputStatus::Ok) __builtin_trap();
  size_t points = 0;
  for (const terrainmap::Polyline& line : lines) {
    if (line.empty()) __builtin_trap();
    for (const terrainmap::LinePoint& p : line)
      if (!(std::fabs(p.lon) <= 180 && std::fabs(p.lat) <= 90)) __builtin_trap();
    points += line.size();
  }
  if (points > size / terrainmap::kBorderRecordBytes * 11) __builtin_trap();

  std::vector<std::string> names;
  std::string name;
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') {
      names.push_back(name);
      name.clear();
    } else {
      name += static_cast<char>(data[i]);
    }
  }
  names.push_back(name);
  if (terrainmap::SelectBorderFiles(names).size() > names.size()) __builtin_trap();
  return 0;
}
