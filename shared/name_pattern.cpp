#include "name_pattern.h"

#include <filesystem>
#include <system_error>

namespace quorla {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool MatchesNamePattern(std::string_view name, std::string_view pattern) {
  // Greedy matching with one back-tracking point for the last "*".
  size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() && (pattern[p] == '?' || Lower(pattern[p]) == Lower(name[n]))) {
      ++p;
      ++n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::string FindFirstEntry(const std::string& folder, std::string_view pattern, bool wantFolder) {
  namespace fs = std::filesystem;
  if (folder.empty()) return {};
  std::error_code ec;
  fs::directory_iterator it(folder, ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!MatchesNamePattern(name, pattern)) continue;
    std::error_code typeError;
    const bool isFolder = it->is_directory(typeError);
    const bool isFile = it->is_regular_file(typeError);
    if (wantFolder ? isFolder : isFile) return (folder.back() == '/' ? folder : folder + "/") + name;
  }
  return {};
}

}  // namespace quorla
