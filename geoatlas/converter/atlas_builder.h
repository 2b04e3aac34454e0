#pragma once
// Turns the countries of a topology into the world map database: every arc is a map line
// ("B" between two countries, "I" between two parts of one country, "C" the coast of one
// country, "X" the artificial edges along 180° and the South Pole), lines longer than the
// database allows are cut into pieces, every polygon is an area whose outline is made of lines,
// and the holes of a polygon that another country fills are its inner areas.
#include <string>
#include <vector>

#include "topology.h"
#include "world_files.h"

namespace quorla::geoatlas {

struct BorderLine {
  Code first, second;
  std::vector<float> points;  // lon, lat pairs in radians
};

struct BuiltAtlas {
  std::vector<IndexRecord> index;  // pointOffset still 0: set when the point file is written
  std::vector<std::pair<int32_t, std::vector<float>>> lines;  // number, points (radians)
  CountryTable table;
  std::vector<BorderLine> borders;  // the "B" lines of the agreement's countries
};

// False with a message (an unknown country, a reference to a missing arc).
bool BuildAtlas(const Topology& topology, BuiltAtlas& atlas, std::string& error);

}  // namespace quorla::geoatlas
