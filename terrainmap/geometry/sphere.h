#pragma once
// Distance and azimuth on the sphere of radius 6373.067 km that the map viewer measures on, and
// the inverse (the point at a distance and azimuth). Degrees, azimuth clockwise from north.
namespace terrainmap {

inline constexpr double kSphereRadiusKm = 6373.067;

struct DistanceAzimuth {
  double km = 0;
  double azimuth = 0;  // 0 <= azimuth < 360
};

// Identical points give 0, 0; a target due north or south on the same meridian (or through a
// pole) gives 0 or 180. Never NaN for finite input.
DistanceAzimuth SphereDistanceAzimuth(double lon1, double lat1, double lon2, double lat2);

struct SpherePoint {
  double lon = 0, lat = 0;  // lon in -180..180
};
SpherePoint SphereDestination(double lon, double lat, double km, double azimuth);

}  // namespace terrainmap
