#pragma once
// The checks that turn a stored or typed directory into a usable one (the exported VERADRHCM and
// VERADRHRA). Names are matched without regard to case. The fixed fallback folders are under the
// installed data folder: "topo" for terrain, "topo/#border" and "border" for border lines.
#include <string>

namespace terrainmap {

// dir when it holds a longitude folder E??? (or, when there is none, W???) whose first match S
// holds a file S + "n??.?3E" (or, when there is none, S + "s??.?3E"); else the "topo" fallback when
// that is one; else "". An empty dir is not searched.
std::string VerifyTerrainDirectory(const std::string& dir);
bool IsTerrainDirectory(const std::string& dir);

// dir when it holds a file "*.000", "*.015" or "*.cbr"; else the first fallback that holds one;
// else "".
std::string VerifyBorderDirectory(const std::string& dir);
bool IsBorderDirectory(const std::string& dir);

}  // namespace terrainmap
