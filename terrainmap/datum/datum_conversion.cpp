#include "datum/datum_conversion.h"

#include <cmath>
#include <cstdio>

#include "datum/gauss_kruger.h"
#include "datum/geodetic_systems.h"
#include "datum/molodensky.h"

namespace terrainmap {
namespace {

// One decimal, no leading blanks; a value that rounds to zero is written "0.0", never "-0.0".
std::string OneDecimal(double value) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.1f", value);
  std::string text = buffer;
  if (text == "-0.0") text = "0.0";
  return text;
}

constexpr quorla::BiText kPlanar{" planar  coord.,", " rovinné  souř.,"};

}  // namespace

std::string DatumStatusText(int index, float dlon, float dlat, quorla::Language language) {
  if (index == 0) return " dif Lon =  0.0'',   dif Lat =  0.0'' ...  Elips. WGS-84";
  if (index == kPlanarSystemIndex)
    return std::string(" Gauss-Kruger ") + std::string(kPlanar(language)) +
           "  ...  Elips. Krassovsky 1940";
  const auto system = GeodeticSystemAt(index);
  if (!system) return {};
  return " dif Lon =" + OneDecimal(3600.0 * dlon) + "'',   dif Lat =" + OneDecimal(3600.0 * dlat) +
         "'' ...  Elips. " + std::string(ShiftSetAt(system->set)->ellipsoid);
}

std::optional<Wgs84Result> ConvertToWgs84(int index, double first, double second, quorla::Language language) {
  const auto system = GeodeticSystemAt(index);
  if (!system) return std::nullopt;
  Wgs84Result r;
  if (index == 0) {
    r.lon = first;
    r.lat = second;
    r.status = DatumStatusText(0, 0, 0, language);
    return r;
  }
  double lon = first, lat = second;
  if (index == kPlanarSystemIndex) {
    const GeoLonLat g = GaussKrugerInverse(first, second);
    lon = g.lon;
    lat = g.lat;
  }
  const auto shift = MolodenskyShift(lon, lat, system->set);
  r.dlon = shift->dlon;
  r.dlat = shift->dlat;
  r.lon = lon + r.dlon;
  r.lat = lat + r.dlat;
  r.status = DatumStatusText(index, r.dlon, r.dlat, language);
  return r;
}

}  // namespace terrainmap
