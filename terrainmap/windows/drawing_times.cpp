#include "windows/drawing_times.h"

#include <cstdio>

#include "windows/number_text.h"

namespace terrainmap {

std::string ProgressText(double elapsedSeconds, int percent) {
  std::string text = elapsedSeconds < 60 ? NumberText(" %.0f sec  =  ", static_cast<double>(static_cast<int>(elapsedSeconds)))
                                         : NumberText("  %.2f min  =  ", elapsedSeconds / 60);
  char digits[16];
  std::snprintf(digits, sizeof digits, "%2d", percent);
  return text + digits + " %";
}

std::string TotalTimeText(double elapsedSeconds) {
  return elapsedSeconds < 60 ? "  t =" + NumberText(" %.2f", elapsedSeconds) + " sec"
                             : "  t = " + NumberText("%.2f", elapsedSeconds / 60) + " min";
}

}  // namespace terrainmap
