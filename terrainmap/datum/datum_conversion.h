#pragma once
// The conversion of the dialog: a position in one of the fifteen geodetic systems to WGS-84, and
// the status text that shows the shift applied.
#include <optional>
#include <string>

#include "bilingual_texts.h"

namespace terrainmap {

struct Wgs84Result {
  double lon = 0, lat = 0;  // WGS-84 degrees
  float dlon = 0, dlat = 0;  // the shift applied, degrees
  std::string status;
};

// index 0..14 of the system list. For index 2 (planar) first is Y and second X in metres, taken
// through the Gauss-Krueger inverse and set 1; otherwise first is lon and second lat in degrees.
// nullopt for an index outside the list.
std::optional<Wgs84Result> ConvertToWgs84(int index, double first, double second,
                                          quorla::Language language = quorla::Language::English);

// The status line for system index with the given shift (degrees):
// " dif Lon =" + 3600*dlon ("###.#") + "'',   dif Lat =" + ... + "'' ...  Elips. " + ellipsoid.
std::string DatumStatusText(int index, float dlon, float dlat, quorla::Language language);

}  // namespace terrainmap
