#include "windows/drawing_times.h"

#include <cstdio>

namespace terrainmap {
namespace {

std::string Printf(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

std::string ProgressText(double elapsedSeconds, int percent) {
  std::string text = elapsedSeconds < 60 ? Printf(" %.0f sec  =  ", static_cast<double>(static_cast<int>(elapsedSeconds)))
                                         : Printf("  %.2f min  =  ", elapsedSeconds / 60);
  char digits[16];
  std::snprintf(digits, sizeof digits, "%2d", percent);
  return text + digits + " %";
}

std::string TotalTimeText(double elapsedSeconds) {
  return elapsedSeconds < 60 ? "  t =" + Printf(" %.2f", elapsedSeconds) + " sec"
                             : "  t = " + Printf("%.2f", elapsedSeconds / 60) + " min";
}

}  // namespace terrainmap
