#pragma once
// The converter as one call: the countries TopoJSON of the world atlas package in, the three
// database files and the border-line folder "border/" out.
#include <iosfwd>
#include <string>

namespace quorla::geoatlas {

inline constexpr const char* kWorldAtlasFile = "countries-10m.json";

// from: the package folder holding kWorldAtlasFile; out: the data folder. Reports the sizes on
// log, failures on err; false on failure.
bool ConvertWorldAtlas(const std::string& from, const std::string& out, std::ostream& log, std::ostream& err);

}  // namespace quorla::geoatlas
