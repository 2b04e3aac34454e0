// Distances and azimuths on the map viewer's sphere, the point at a distance, the map size list
// and the colour scale. Expected values were computed apart from the code in python3: the
// haversine distance with the atan2 azimuth, the textbook destination formula, and the colour
// rules written out afresh.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry/colour_scale.h"
#include "geometry/map_sizes.h"
#include "geometry/sphere.h"

namespace terrainmap {
namespace {

constexpr struct {
  const char* what;
  double lon1, lat1, lon2, lat2;
  double km, azimuth;
} kDistances[] = {
    {"north-east", 15, 50, 16, 51, 131.8232, 32.0747},
    {"south-west: sin dlon < 0", 15, 50, 14, 49, 132.6274, 213.3828},
    {"along the equator", 0, 0, 90, 0, 10010.7902, 90.0},
    {"westward across the antimeridian", -170, 10, 170, 12, 2194.5201, 277.6849},
    {"eastward across the antimeridian", 170, 10, -170, 12, 2194.5201, 82.3151},
    {"short: 90 m", 15, 50, 15.001, 50.0005, 0.0906, 52.1215},
    {"south-east", 10, -30, 13.794221403, -33.124251557, 500.0, 135.0},
    // One meridian: north is 0, south 180, also from a pole and across the equator.
    {"meridian north", 14.5, 50.1, 14.5, 50.9, 88.9848, 0},
    {"meridian south", 14.5, 50.9, 14.5, 50.1, 88.9848, 180},
    {"meridian, 111 m north", 25, 0, 25, 0.001, 0.1112, 0},
    {"meridian, 11 m south", 25, 50, 25, 49.9999, 0.0111, 180},
    {"from the north pole to another meridian", 0, 90, 15, 50, 4449.2401, 165},
    {"from the north pole", 15, 90, 15, 50, 4449.2401, 180},
    {"from the south pole", 15, -90, 15, -50, 4449.2401, 0},
    {"across the equator", 15, 50, 15, -50, 11123.1003, 180},
    // Through the pole to the opposite meridian: d = 180 - lat2 - lat1 in 0..180 means north.
    {"over the pole", 15, 50, -165, 60, 7786.1702, 0},
    {"over the pole, near it", 0, 89, 180, 89, 222.4620, 0},
    // Antipodes: half the circumference; d = 180 counts as north.
    {"antipodes", 0, 0, 180, 0, 20021.5805, 0},
    {"identical points", 15.3, 49.2, 15.3, 49.2, 0, 0},
};

TEST(SphereDistanceAzimuth, KnownCasesAndSpecialCases) {
  for (const auto& c : kDistances) {
    SCOPED_TRACE(c.what);
    const DistanceAzimuth d = SphereDistanceAzimuth(c.lon1, c.lat1, c.lon2, c.lat2);
    EXPECT_NEAR(d.km, c.km, 1e-4);
    EXPECT_NEAR(d.azimuth, c.azimuth, 1e-4);
    EXPECT_GE(d.azimuth, 0);
    EXPECT_LT(d.azimuth, 360);
  }
}

TEST(SphereDestination, KnownPointsAndInverse) {
  constexpr struct {
    double lon, lat, km, azimuth, lon2, lat2;
  } kCases[] = {
      {15, 50, 100, 45, 16.0022230, 50.6314378},
      {15, 50, 30, 0, 15.0, 50.2697090},
      {-3, 55, 1234.5, 271.25, -21.9845061, 53.7302343},
      {179.5, 10, 200, 90, -178.6742208, 9.9950257},  // across the antimeridian, back to -180..180
      {-179.9, -45, 50, 225, 179.6479774, -45.3169669},
      {15, 89.9, 30, 10, 179.2092784, 89.8278935},  // over the pole
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.lon << ", " << c.lat << " at " << c.km << " km, " << c.azimuth);
    const SpherePoint p = SphereDestination(c.lon, c.lat, c.km, c.azimuth);
    EXPECT_NEAR(p.lon, c.lon2, 1e-7);
    EXPECT_NEAR(p.lat, c.lat2, 1e-7);
  }
}

TEST(SphereDestination, RingOfEightKilometresMeasuresBack) {
  // The ring of the country lookup: 8 km at 0, 45, ..., 315 degrees.
  for (double lat : {0.0, 35.5, 50.0, 71.0}) {
    for (int az = 0; az < 360; az += 45) {
      SCOPED_TRACE(testing::Message() << lat << " at " << az);
      const SpherePoint p = SphereDestination(15, lat, 8, az);
      const DistanceAzimuth d = SphereDistanceAzimuth(15, lat, p.lon, p.lat);
      EXPECT_NEAR(d.km, 8, 1e-6);
      EXPECT_NEAR(d.azimuth, az, 1e-4);
    }
  }
}

// The list as the map window shows it: index, label, height in degrees of latitude.
constexpr struct {
  int index;
  const char* label;
  double heightDeg, heightKm;
} kSizes[] = {
    {-1, "* 3.1 x 2.2  km", 1.9778659E-2, 2.2},  {0, "  3.1 x 2.2  km", 1.9778659E-2, 2.2},
    {1, "  4.5 x 3.2  km", 2.8768958E-2, 3.2},   {2, "  6.4 x 4.6  km", 4.1355377E-2, 4.6},
    {3, "  10 x 7  km", 6.2932095E-2, 7},        {4, "  14 x 10  km", 8.9902993E-2, 10},
    {5, "  21 x 15  km", 1.3485449E-1, 15},      {6, "  31 x 22  km", 1.9778659E-1, 22},
    {7, "  45 x 32  km", 2.8768958E-1, 32},      {8, "  64 x 46  km", 4.1355377E-1, 46},
    {9, "100 x 70  km", 6.2932095E-1, 70},       {10, "140 x 100  km", 8.9902993E-1, 100},
    {11, "210 x 150  km", 1.3485449, 150},       {12, "310 x 220  km", 1.9778659, 220},
    {13, "450 x 320  km", 2.8768958, 320},       {14, "640 x 460  km", 4.1355377, 460},
    {15, "1000 x 700  km", 6.2932095, 700},      {16, "2000 x 1400 km", 12.586419, 1400},
    {17, "3500 x 2500 km", 22.026234, 2450},     {18, "6000 x 4200 km", 37.759257, 4200},
};

TEST(MapSizes, LabelsAndHeights) {
  for (const auto& c : kSizes) {
    SCOPED_TRACE(c.index);
    EXPECT_EQ(MapSizeAt(c.index).index, c.index);
    EXPECT_EQ(MapSizeAt(c.index).label, c.label);
    EXPECT_DOUBLE_EQ(MapHeightDegrees(c.index), c.heightDeg);
    // The height is the height in km / 111.231 (2450 km for the 3500 x 2500 km map).
    EXPECT_NEAR(MapHeightDegrees(c.index) * 111.231, c.heightKm, 1e-5 * c.heightKm);
  }
  EXPECT_EQ(MapSizeAt(-2).index, 9);
  EXPECT_EQ(MapSizeAt(19).index, 9);
}

TEST(MapSizes, InitialIndexFromServiceAreaRadius) {
  constexpr struct {
    int radiusKm, index;
  } kCases[] = {
      {0, 9},    {-1, 18},  {-500, 18},
      {1, 1},    // 2.2 is not above 2.2: the next, 3.2
      {30, 9},   // 66 < 70
      {31, 9},   {32, 10},  // 68.2 < 70 < 70.4
      {2, 2},    {3, 3},    {4, 4},   {6, 5},  {10, 7},  {20, 8}, {45, 10},
      {68, 11},  {99, 12},  {100, 13},  // 220 is not above 220
      {209, 14}, {210, 15}, {5000, 15},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.radiusKm);
    EXPECT_EQ(InitialMapSizeIndex(c.radiusKm), c.index);
  }
}

TEST(MapSizes, BoundsAroundTheCentre) {
  const MapBounds b = ComputeMapBounds(15, 50, 9, 1400, 1000);
  const double width = 1.4 * 6.2932095E-1 / std::cos(50 * M_PI / 180);
  EXPECT_NEAR(b.heightDeg, 6.2932095E-1, 1e-12);
  EXPECT_NEAR(b.widthDeg, width, 1e-12);
  EXPECT_NEAR(b.west, 15 - width / 2, 1e-12);
  EXPECT_NEAR(b.east, 15 + width / 2, 1e-12);
  EXPECT_NEAR(b.south, 50 - 6.2932095E-1 / 2, 1e-12);
  EXPECT_NEAR(b.north, 50 + 6.2932095E-1 / 2, 1e-12);
  // The width follows the window's aspect; at the equator degrees of both kinds are equal.
  const MapBounds square = ComputeMapBounds(0, 0, 15, 500, 500);
  EXPECT_NEAR(square.widthDeg, 6.2932095, 1e-12);
  EXPECT_NEAR(square.east - square.west, square.north - square.south, 1e-12);
}

TEST(ColourScale, EveryCase) {
  constexpr struct {
    const char* what;
    float h, minimum, maximum;
    int sizeIndex;
    Rgb colour;
  } kCases[] = {
      {"no data", -9999, -50, 1000, 9, {255, 255, 255}},
      {"sea level", 0, -50, 1000, 9, {0, 150, 255}},
      {"half the depth", -25, -50, 1000, 9, {0, 75, 255}},
      {"deepest", -50, -50, 1000, 9, {0, 0, 255}},
      {"below zero on a map of only negative heights", -10, -50, -10, 9, {0, 120, 255}},
      {"highest", 1000, -50, 1000, 9, {200, 200, 200}},
      {"no range", 3, -5, 0, 9, {240, 240, 100}},
      {"low, k = 3", 1, 0, 1000, 9, {0, 100, 0}},
      {"green, k = 3", 50, -20, 1000, 9, {78, 147, 30}},
      {"towards brown, k = 3", 400, 0, 1000, 9, {187, 154, 54}},
      {"just below the top, k = 3", 999, 0, 1000, 9, {103, 26, 0}},
      {"small map, k = 3", 120, 0, 1000, 5, {157, 195, 60}},
      {"k = 11", 300, -50, 1500, 15, {230, 218, 81}},
      {"k = 11, higher", 700, -50, 1500, 15, {159, 111, 36}},
      {"k = 11, top step", 1499, -50, 1500, 15, {103, 26, 0}},
      {"lowest height above zero: lo = minimum", 250, 200, 1600, 12, {78, 147, 30}},
      {"k = 8", 900, 200, 1600, 12, {159, 111, 36}},
      {"non-interpolated size", 30, 0, 100, -1, {230, 218, 81}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const Rgb got = HeightColour(c.h, c.minimum, c.maximum, c.sizeIndex);
    EXPECT_EQ(got.r, c.colour.r);
    EXPECT_EQ(got.g, c.colour.g);
    EXPECT_EQ(got.b, c.colour.b);
  }
}

TEST(ColourScale, ComponentsStayInRange) {
  for (int z = -1; z <= 15; ++z) {
    for (float h = 1; h < 3000; h += 7) {
      const Rgb c = HeightColour(h, -100, 3000, z);
      SCOPED_TRACE(testing::Message() << z << " " << h);
      for (int v : {c.r, c.g, c.b}) {
        EXPECT_GE(v, 0);
        EXPECT_LE(v, 255);
      }
    }
  }
}

}  // namespace
}  // namespace terrainmap
