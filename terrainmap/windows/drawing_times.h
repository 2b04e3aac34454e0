#pragma once
// The time texts of the map drawing's status bar.
#include <string>

namespace terrainmap {

// After each column: " 12 sec  =  " or "  1.25 min  =  " (from 60 s on), then the percentage
// under the mask "##" and " %".
std::string ProgressText(double elapsedSeconds, int percent);
// At the end: "  t = 2.35 sec" (the number with its leading blank) or "  t = 1.25 min".
std::string TotalTimeText(double elapsedSeconds);

}  // namespace terrainmap
