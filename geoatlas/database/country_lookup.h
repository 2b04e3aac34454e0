#pragma once
// GEOPLC's country lookup over the areas loaded around a position. The map around a centre is
// kept while the position stays within its radius minus 3 km; otherwise the areas within 100 km
// are loaded anew, their outlines assembled from the lines and clipped to the loaded square.
// Enclaves start at the front of the order list; a hit moves its area to the front.
#include <vector>

#include "atlas_database.h"
#include "point_in_area.h"

namespace quorla::geoatlas {

class CountryLookup {
 public:
  explicit CountryLookup(const Database& db) : db_(db) {}

  // The code at the position (radians): three blanks for the sea and north of 84°N, "ATA" south
  // of 78.5°S.
  Code Find(double lon, double lat);

  // The codes of the loaded areas in the order they are tested (for tests and diagnostics).
  std::vector<Code> OrderList() const;
  int loads() const { return loads_; }

 private:
  struct Loaded {
    int area;                  // index in the country table
    int shift;                 // -1, 0, 1: longitudes moved by whole turns to the centre's side
    std::vector<float> outline;
    std::vector<std::vector<float>> cutOuts;
    Box box;                   // window of the clipped outline
  };
  void Load(double lon, double lat);
  bool Contains(const Loaded& l, double lon, double lat);
  const Loaded* LoadedArea(int area, int shift) const;

  const Database& db_;
  bool haveMap_ = false;
  double centreLon_ = 0, centreLat_ = 0, radiusKm_ = 0;
  std::vector<Loaded> loaded_;
  std::vector<int> order_;  // indices into loaded_
  std::vector<float> scratch_;
  int loads_ = 0;
};

}  // namespace quorla::geoatlas
