#pragma once
// The world map library's state and its four entry points as plain calls. Any error shows its
// message box through the Host and marks the database unusable: from then on the calls give their
// empty answers (three blanks, done = 1) and usable() is false. The process is never ended.
#include <cstdint>
#include <memory>
#include <optional>

#include "atlas_database.h"
#include "country_lookup.h"
#include "file_lookup.h"
#include "host.h"
#include "line_extraction.h"

namespace quorla::geoatlas {

class WorldAtlas {
 public:
  WorldAtlas(Host& host, AtlasPlaces places) : host_(host), places_(std::move(places)) {}

  void Wdbunit(int32_t unit);
  void Geoplc(float lon, float lat, char code[3]);
  void Geodwd(float west, float south, float east, float north, float tolerance, int32_t count, const char* codes);
  // unit 2 gives degrees, any other value radians; points holds capacity pairs.
  void Geoliw(int32_t unit, float* points, int32_t capacity, int32_t& line, int32_t& npoints, char& type,
              int32_t& done);

  bool usable() const { return usable_; }
  int32_t unit() const { return unit_; }  // the unit number of the first WDBUNIT call
  // The order list of the country lookup (empty before the first lookup).
  std::vector<Code> OrderList() const;

 private:
  bool Ready(const char* routine);
  void Fail(const std::string& routine, const std::string& text);

  Host& host_;
  AtlasPlaces places_;
  bool usable_ = true;
  bool initialised_ = false;
  int32_t unit_ = 0;
  std::unique_ptr<Database> db_;
  std::optional<CountryLookup> lookup_;
  LinePass pass_;
  bool xLinesAllowed_ = false;
  ExtractedLine line_;
};

}  // namespace quorla::geoatlas
