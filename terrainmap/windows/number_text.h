#pragma once
// One number under a printf format, as the status texts write them ("%.1f", " %.0f").
#include <cstdio>
#include <string>

namespace terrainmap {

inline std::string NumberText(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace terrainmap
