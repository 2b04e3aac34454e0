#include "directories/directory_checks.h"

#include "name_pattern.h"
#include "platform_paths.h"

namespace terrainmap {
namespace {

std::string FolderName(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

}  // namespace

bool IsTerrainDirectory(const std::string& dir) {
  if (dir.empty()) return false;
  std::string column = quorla::FindFirstEntry(dir, "E???", true);
  if (column.empty()) column = quorla::FindFirstEntry(dir, "W???", true);
  if (column.empty()) return false;
  const std::string name = FolderName(column);
  return !quorla::FindFirstEntry(column, name + "n??.?3E", false).empty() ||
         !quorla::FindFirstEntry(column, name + "s??.?3E", false).empty();
}

bool IsBorderDirectory(const std::string& dir) {
  if (dir.empty()) return false;
  for (const char* pattern : {"*.000", "*.015", "*.cbr"})
    if (!quorla::FindFirstEntry(dir, pattern, false).empty()) return true;
  return false;
}

std::string VerifyTerrainDirectory(const std::string& dir) {
  if (IsTerrainDirectory(dir)) return dir;
  const std::string fallback = quorla::DataDirectory() + "topo";
  return IsTerrainDirectory(fallback) ? fallback : std::string();
}

std::string VerifyBorderDirectory(const std::string& dir) {
  if (IsBorderDirectory(dir)) return dir;
  for (const std::string& fallback : {quorla::DataDirectory() + "topo/#border", quorla::DataDirectory() + "border"})
    if (IsBorderDirectory(fallback)) return fallback;
  return {};
}

}  // namespace terrainmap
