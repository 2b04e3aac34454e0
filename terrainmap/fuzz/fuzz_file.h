#pragma once
// The private folder of one fuzz process (created on first use, removed at exit) and the input
// written as a file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace terrainmap::fuzz {

inline const std::string& PrivateDir() {
  // A plain buffer, so that the exit handler does not depend on the order of static destruction.
  static char made[] = "/tmp/terrainmap_fuzz.XXXXXX";
  static const std::string dir = [] {
    if (!::mkdtemp(made)) std::abort();
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(made, ignored);
    });
    return std::string(made);
  }();
  return dir;
}

// Writes size bytes to PrivateDir()/name and returns the path.
inline std::string WriteInput(const std::string& name, const uint8_t* data, size_t size) {
  const std::string path = PrivateDir() + "/" + name;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
  std::fclose(f);
  return path;
}

}  // namespace terrainmap::fuzz
