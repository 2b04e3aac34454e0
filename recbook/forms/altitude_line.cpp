#include "forms/altitude_line.h"

#include <cmath>
#include <cstdio>

#include "forms/info_dialog_texts.h"
#include "forms/library_calls.h"
#include "geo_text.h"
#include "point_altitude.h"

namespace recbook {

std::string AltitudeLine(const InfoRequest& request, LibraryCalls& calls) {
  const quorla::Language language = request.language;
  quorla::SetTerrainDirectory(calls.CheckTerrainDirectory(quorla::TerrainDirectory()));
  const std::string& lon = BoxText(request.texts, kLongitudeBox);
  const std::string& lat = BoxText(request.texts, kLatitudeBox);
  const quorla::GeoPosition p = quorla::ParseGeoText(quorla::WithoutBlanks(lon) + "," + quorla::WithoutBlanks(lat));
  const float height = quorla::PointAltitude(p.lon, p.lat);
  std::string line = std::string(info_texts::kAltitudeLabel(language)) + lon + ", " + lat + ")  = ";
  if (!(height > -300)) return line + std::string(info_texts::kNoAltitude(language));
  char value[32];
  std::snprintf(value, sizeof value, "%.0f m", std::round(height));
  return line + value;
}

}  // namespace recbook
