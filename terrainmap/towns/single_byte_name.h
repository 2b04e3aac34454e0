#pragma once
// Town names for the ".bdt" file: single bytes, shown as Latin-1. A UTF-8 name keeps its Latin-1
// letters; the Central European letters beyond Latin-1 ("č", "ł", "ő", ...) lose their accent
// ("c", "l", "o"); other characters are left out. The result is cut to the record's 10 bytes.
#include <string>
#include <string_view>

namespace terrainmap {

inline constexpr size_t kTownNameBytes = 10;

std::string SingleByteTownName(std::string_view utf8);

}  // namespace terrainmap
