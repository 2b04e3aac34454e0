#pragma once
// The compact co-ordinate text used everywhere in the system.
//   longitude: DDD H MM SS without blanks, 8 characters ("015E3000"), H = E or W;
//   latitude:  DD H MM SS, 7 characters ("49N1500"), H = N or S;
//   position:  longitude "," latitude (16 characters); with tenths of seconds the seconds are
//              "SS.S" (20 characters). Blanks are never significant.
#include <string>
#include <string_view>

namespace quorla {

struct GeoPosition {
  double lon = 0;  // degrees, east positive
  double lat = 0;  // degrees, north positive
};

// Reads a position text (blanks removed first). A 16-character text is read in whole seconds, any
// other length with tenths of seconds; each field is read leniently (its leading number, else 0).
GeoPosition ParseGeoText(std::string_view text);

// The compact position text, seconds rounded to whole seconds or to tenths, with the roll-over of
// 60 seconds into minutes and of 60 minutes into degrees. Empty text when a value is not finite or
// its degrees do not fit the field (1000 or more for longitude, 100 or more for latitude).
std::string FormatGeoText(double lon, double lat, bool tenths);

enum class GeoKind { Longitude = 1, Latitude = 2 };
// 0 when text is a valid compact longitude (at most 179 degrees) or latitude (at most 89), else 1.
int CheckGeoText(GeoKind kind, std::string_view text);

// The text without its blanks.
std::string WithoutBlanks(std::string_view text);

}  // namespace quorla
