#pragma once
// Gauss-Krueger planar co-ordinates on the Krassovsky 1940 ellipsoid, 6-degree zones: Y is the
// easting with the zone number in its millions and 500 000 m at the central meridian, X the
// northing. Short series (terms up to l^2 and y^2), accurate to well below a metre within a zone
// near 50N; results are 32-bit floats, so X near 5.5e6 m has a step of 0.5 m.
#include <string>

namespace terrainmap {

struct PlanarYX {
  float y = 0, x = 0;  // metres
};
struct GeoLonLat {
  float lon = 0, lat = 0;  // degrees
};

// 0, 0 for a position that is not finite or beyond 360 degrees of longitude or 90 of latitude.
PlanarYX GaussKrugerForward(double lon, double lat);
// 0, 0 outside the planar bounds (Y < 0, Y > 9 999 000 or |X| > 9 999 000) or for non-finite input.
GeoLonLat GaussKrugerInverse(double y, double x);

// "YYYY YYY, XXXX XXX": whole metres with at least 7 digits, a blank after the fourth digit.
std::string GaussKrugerDisplayText(const PlanarYX& p);

}  // namespace terrainmap
