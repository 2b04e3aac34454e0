#include "border_files.h"

#include <cstring>
#include <filesystem>
#include <map>

#include "atomic_file.h"

namespace quorla::geoatlas {
namespace {

void PutDouble(std::string& out, double v) {
  char b[8];
  std::memcpy(b, &v, 8);  // the platform is little-endian, as the file format
  out.append(b, 8);
}

}  // namespace

std::string BorderFileBytes(const std::vector<const BorderLine*>& lines) {
  std::string out;
  for (const BorderLine* line : lines) {
    const auto& p = line->points;
    const size_t n = p.size() / 2;
    for (size_t start = 0; start + 1 < n; start += kBorderRecordPoints - 1) {
      for (size_t slot = 0; slot < kBorderRecordPoints; ++slot) {
        const size_t i = start + slot < n ? start + slot : start;
        PutDouble(out, p[2 * i]);
        PutDouble(out, p[2 * i + 1]);
      }
    }
  }
  return out;
}

bool WriteBorderFiles(const std::vector<BorderLine>& borders, const std::string& folder, std::string& error) {
  std::map<std::string, std::vector<const BorderLine*>> files;
  for (const BorderLine& b : borders)
    files[std::string(b.first.data(), 3) + std::string(b.second.data(), 3) + ".000"].push_back(&b);
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  for (const auto& [name, lines] : files) {
    // A pair written under one order only: the reader skips the swapped name anyway.
    const std::string swapped = name.substr(3, 3) + name.substr(0, 3) + ".000";
    if (swapped < name && files.count(swapped)) continue;
    std::vector<const BorderLine*> all = lines;
    if (auto it = files.find(swapped); it != files.end() && swapped != name) all.insert(all.end(), it->second.begin(), it->second.end());
    if (!WriteFileAtomically(folder + "/" + name, BorderFileBytes(all))) {
      error = "cannot write " + folder + "/" + name;
      return false;
    }
  }
  return true;
}

}  // namespace quorla::geoatlas
