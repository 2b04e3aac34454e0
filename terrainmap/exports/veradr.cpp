// VERADRHCM and VERADRHRA: the directory checks for callers outside the library.
#include <string>

#include "directories/directory_checks.h"
#include "map_params.h"

namespace {
// The returned text lives here until the next call of the same check on the same thread.
thread_local std::string terrainResult, borderResult;
}  // namespace

extern "C" const char* VERADRHCM(const char* dir) {
  terrainResult = terrainmap::VerifyTerrainDirectory(dir ? dir : "");
  return terrainResult.c_str();
}

extern "C" const char* VERADRHRA(const char* dir) {
  borderResult = terrainmap::VerifyBorderDirectory(dir ? dir : "");
  return borderResult.c_str();
}
