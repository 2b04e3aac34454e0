#pragma once
// The status-bar readouts of the map window: the mouse position in either display format, the
// country under it, its height, and the distance and azimuth between two points.
#include <functional>
#include <string>

#include "bilingual_texts.h"

namespace terrainmap {

// " 015 E 30 00, 49 N 15 00" (the entry boxes' display form) or " 15.50000, 49.25000".
std::string PositionText(double lon, double lat, bool decimal);

// The world map's country code at a position (3 characters, blanks for the sea).
using CountryAt = std::function<std::string(double lon, double lat)>;
// The code without its trailing blanks, "sea" for a blank code; below size 12 a "?" follows when
// one of the 8 points 8 km away (azimuths 0, 45, ..., 315) has another code.
std::string CountryText(const CountryAt& country, double lon, double lat, int sizeIndex, quorla::Language language);

// " Alti =" + the height + " m" (one decimal when it has one); empty for no data.
std::string HeightText(float height, quorla::Language language);

// " D =" + " 523 m" below 10 km or " 12.3 km", then ",  Az =" + the azimuth with one decimal + "°".
std::string DistanceText(double lon1, double lat1, double lon2, double lat2);

}  // namespace terrainmap
