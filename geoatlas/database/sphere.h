#pragma once
// Distances and directions on the sphere of the world map (radius 6373 km), positions in radians.
namespace quorla::geoatlas {

inline constexpr double kEarthRadiusKm = 6373.0;

// Great-circle distance in km.
double GreatCircleKm(double lon1, double lat1, double lon2, double lat2);

// Longitude shifted by whole turns to lie within half a turn of reference.
double NearLongitude(double lon, double reference);

}  // namespace quorla::geoatlas
