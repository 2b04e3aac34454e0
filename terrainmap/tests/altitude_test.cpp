// Both terrain lookups, on tiles written by the tests and on the real tiles when present.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "point_altitude.h"
#include "terrain/bulk_altitude.h"
#include "terrain_fixture.h"
#include "terrain_points.h"

namespace terrainmap::test {
namespace {

using quorla::kNoHeight;
using quorla::PointAltitude;

using Lookup = float (*)(double, double);
struct NamedLookup {
  const char* name;
  Lookup lookup;
};
constexpr NamedLookup kLookups[] = {{"point", &quorla::PointAltitude}, {"bulk", &terrainmap::BulkAltitude}};

constexpr long kFull49 = 144 * 20402 + 1024;
constexpr long kFull50 = 144 * 10302;

// The height the block pattern gives at a position (linear, so bilinear interpolation is exact).
double PatternHeight(double lon, double lat, bool interpolated) {
  quorla::TileLocation t;
  EXPECT_TRUE(quorla::LocateTile(lon, lat, t));
  const double x = interpolated ? t.x : static_cast<int>(t.x);
  const double y = interpolated ? t.y : static_cast<int>(t.y);
  return 7 * t.k + 3 * x - 2 * y;
}

TEST(TileLocation, BlocksColumnsAndKeys) {
  struct Case {
    double lon, lat;
    int ilon, ilat, bx, by, k, n;
  };
  const Case cases[] = {
      {15.0, 49.0, 15, 49, 0, 0, 1, 100},
      {15.0, 49.999, 15, 49, 0, 11, 133, 100},  // still 101 columns
      {15.0, 50.0, 15, 50, 0, 0, 1, 50},        // 51 columns from 50N
      {-0.5, 10.0, -1, 10, 6, 0, 7, 100},       // W001, block column 6
      {15.5, 49.5, 15, 49, 6, 6, 79, 100},      // corner of blocks: the north-east block
      {15.0 + 1.0 / 12, 49.0 + 1.0 / 12, 15, 49, 1, 1, 14, 100},
      {15.999999, 49.999999, 15, 49, 11, 11, 144, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.lon << " " << c.lat);
    quorla::TileLocation t;
    ASSERT_TRUE(quorla::LocateTile(c.lon, c.lat, t));
    EXPECT_EQ(t.ilon, c.ilon);
    EXPECT_EQ(t.ilat, c.ilat);
    EXPECT_EQ(t.bx, c.bx);
    EXPECT_EQ(t.by, c.by);
    EXPECT_EQ(t.k, c.k);
    EXPECT_EQ(t.n, c.n);
    EXPECT_EQ(t.key, c.ilon * 1000000 + c.ilat * 1000 + c.k);
    EXPECT_GE(t.x, 0);
    EXPECT_LE(t.x, t.n);
    EXPECT_GE(t.y, 0);
    EXPECT_LE(t.y, 100);
  }
  quorla::TileLocation t;
  EXPECT_FALSE(quorla::LocateTile(15, -0.1, t));
  EXPECT_FALSE(quorla::LocateTile(15, std::nan(""), t));
  EXPECT_FALSE(quorla::LocateTile(1e300, 45, t));
  EXPECT_EQ(quorla::TileName(-1, 10), "W001N10");
  EXPECT_EQ(quorla::TileName(15, 5), "E015N05");
}

using AltitudeTest = TerrainDirTest;

TEST_F(AltitudeTest, BothLatitudeLayoutsAndEdges) {
  WriteTile("E015/E015N49.33E", 49, kFull49, BlockPattern);
  WriteTile("E015/E015N50.63E", 50, kFull50, BlockPattern);
  WriteTile("W001/W001N49.33E", 49, kFull49, BlockPattern);
  const double positions[][2] = {{15.0, 49.0},       {15.3217, 49.4711},  {15.999, 49.999}, {15.5, 49.5},
                                 {15.25, 49.75},     {15.0, 50.0},        {15.4321, 50.1234}, {15.9999, 50.9999},
                                 {-0.5, 49.5},       {-0.01, 49.01},      {-1.0, 49.2}};
  for (const bool nonInterpolated : {false, true}) {
    quorla::SetNonInterpolatedHeights(nonInterpolated);
    for (const auto& lookup : kLookups) {
      for (const auto& p : positions) {
        SCOPED_TRACE(testing::Message() << lookup.name << " " << p[0] << " " << p[1] << " nearest=" << nonInterpolated);
        const double expected = PatternHeight(p[0], p[1], !nonInterpolated);
        EXPECT_NEAR(lookup.lookup(p[0], p[1]), expected, nonInterpolated ? 0 : 0.05 + 1e-3);
      }
    }
  }
}

TEST_F(AltitudeTest, NonInterpolatedIsTheSouthWestGridPointUnrounded) {
  WriteTile("E015/E015N49.33E", 49, kFull49, [](int, int c, int r) { return c == 1 && r == 0 ? 101 : 100; });
  quorla::SetNonInterpolatedHeights(true);
  const double lon = 15 + 1.75 / 1200, lat = 49 + 0.5 / 1200;  // x = 1.75, y = 0.5
  for (const auto& lookup : kLookups) EXPECT_EQ(lookup.lookup(lon, lat), 101.0f) << lookup.name;
  quorla::SetNonInterpolatedHeights(false);
  // Interpolated: 100 + (1 - 0.75) * (1 - 0.5) = 100.125, rounded to 100.1.
  for (const auto& lookup : kLookups) EXPECT_FLOAT_EQ(lookup.lookup(lon, lat), 100.1f) << lookup.name;
}

TEST_F(AltitudeTest, ShortFilesAreMissing) {
  struct Case {
    const char* path;
    int ilat;
    long length;
    bool usable;
  };
  const Case cases[] = {
      {"E001/E001N49.33E", 49, 144 * 20402, false},  // records without the 1024 trailing bytes
      {"E002/E002N49.33E", 49, kFull49 - 1, false},
      {"E003/E003N49.33E", 49, kFull49, true},
      {"E004/E004N50.63E", 50, kFull50 - 1, false},
      {"E005/E005N50.63E", 50, kFull50, true},
      {"E006/E006N50.63E", 50, 0, false},
  };
  for (const Case& c : cases) WriteTile(c.path, c.ilat, c.length, BlockPattern);
  for (const auto& lookup : kLookups) {
    for (int i = 0; i < 6; ++i) {
      const Case& c = cases[i];
      SCOPED_TRACE(testing::Message() << lookup.name << " " << c.path);
      const float h = lookup.lookup(i + 1.5, c.ilat + 0.5);
      if (c.usable) EXPECT_NE(h, kNoHeight);
      else EXPECT_EQ(h, kNoHeight);
    }
  }
}

TEST_F(AltitudeTest, NamesMatchWithoutRegardToCaseAndTwoMatchesAgree) {
  WriteTile("e015/e015n49.g3e", 49, kFull49, BlockPattern);
  WriteTile("E016/E016N49.33E", 49, kFull49, [](int, int, int) { return 111; });
  WriteTile("E016/E016N49.63E", 49, kFull49, [](int, int, int) { return 222; });
  for (const auto& lookup : kLookups) {
    EXPECT_NEAR(lookup.lookup(15.3, 49.3), PatternHeight(15.3, 49.3, true), 0.051) << lookup.name;
    const float h = lookup.lookup(16.3, 49.3);
    EXPECT_TRUE(h == 111 || h == 222) << lookup.name << " " << h;
  }
  EXPECT_EQ(PointAltitude(16.7, 49.9), terrainmap::BulkAltitude(16.7, 49.9));
}

TEST_F(AltitudeTest, NoDataSouthOfTheEquatorAndWithoutDirectory) {
  WriteTile("E015/E015N00.33E", 0, kFull49, BlockPattern);
  for (const auto& lookup : kLookups) {
    EXPECT_NE(lookup.lookup(15.5, 0.5), kNoHeight);
    EXPECT_EQ(lookup.lookup(15.5, -0.5), kNoHeight);
    EXPECT_EQ(lookup.lookup(-999, 0), kNoHeight);
  }
  quorla::SetTerrainDirectory("");
  for (const auto& lookup : kLookups) EXPECT_EQ(lookup.lookup(15.5, 0.5), kNoHeight) << lookup.name;
}

// A missing tile is remembered (until the reset for the point path, per column for the bulk
// path); blocks held are not read again while they stay held.
TEST_F(AltitudeTest, MissingTilesAndHeldBlocksAreRemembered) {
  for (const auto& lookup : kLookups) {
    SCOPED_TRACE(lookup.name);
    lookup.lookup(-999, 0);
    std::filesystem::remove_all(dir_ / "E015");
    EXPECT_EQ(lookup.lookup(15.5, 49.5), kNoHeight);
    WriteTile("E015/E015N49.33E", 49, kFull49, [](int, int, int) { return 10; });
    EXPECT_EQ(lookup.lookup(15.5, 49.5), kNoHeight);  // still remembered as missing
    lookup.lookup(-999, 0);
    EXPECT_EQ(lookup.lookup(15.5, 49.5), 10.0f);
    // The file changes under the lookup: the block held is used, another block is read anew.
    WriteTile("E015/E015N49.33E", 49, kFull49, [](int, int, int) { return 20; });
    EXPECT_EQ(lookup.lookup(15.51, 49.51), 10.0f);
    EXPECT_EQ(lookup.lookup(15.01, 49.01), 20.0f);
  }
}

TEST_F(AltitudeTest, BulkCacheHoldsOneStripAndRereadsOnTheNextStrip) {
  WriteTile("E015/E015N49.33E", 49, kFull49, [](int, int, int) { return 10; });
  for (double lat = 49.01; lat < 50; lat += 0.05) ASSERT_EQ(terrainmap::BulkAltitude(15.01, lat), 10.0f);
  WriteTile("E015/E015N49.33E", 49, kFull49, [](int, int, int) { return 20; });
  for (double lat = 49.01; lat < 50; lat += 0.05) EXPECT_EQ(terrainmap::BulkAltitude(15.02, lat), 10.0f) << lat;
  EXPECT_EQ(terrainmap::BulkAltitude(15.1, 49.5), 20.0f);   // next strip
  EXPECT_EQ(terrainmap::BulkAltitude(15.01, 49.5), 20.0f);  // back: the strip was dropped
}

TEST_F(AltitudeTest, ChangingTheDirectoryForgetsOpenAndMissingTiles) {
  const auto other = dir_ / "other";
  WriteTile("E015/E015N49.33E", 49, kFull49, [](int, int, int) { return 10; });
  WriteTile("other/E015/E015N49.33E", 49, kFull49, [](int, int, int) { return 30; });
  WriteTile("other/E016/E016N49.33E", 49, kFull49, [](int, int, int) { return 40; });
  for (const auto& lookup : kLookups) {
    SCOPED_TRACE(lookup.name);
    quorla::SetTerrainDirectory(dir_.string());
    EXPECT_EQ(lookup.lookup(15.5, 49.5), 10.0f);
    EXPECT_EQ(lookup.lookup(16.5, 49.5), kNoHeight);
    quorla::SetTerrainDirectory(other.string());
    EXPECT_EQ(lookup.lookup(15.5, 49.5), 30.0f);
    EXPECT_EQ(lookup.lookup(16.5, 49.5), 40.0f);
  }
}

TEST(RealTerrain, ExpectedHeightsOfAllPoints) {
  const std::string dir = RealTerrainDirectory();
  if (dir.empty()) GTEST_SKIP() << "no real terrain data";
  const auto points = ReadExpectedPoints();
  ASSERT_EQ(points.size(), 160u);
  quorla::SetTerrainDirectory(dir);
  for (const bool nonInterpolated : {false, true}) {
    quorla::SetNonInterpolatedHeights(nonInterpolated);
    for (const auto& lookup : kLookups) {
      lookup.lookup(-999, 0);
      for (const auto& p : points) {
        const double expected = nonInterpolated ? p.nearest : p.interpolated;
        EXPECT_NEAR(lookup.lookup(p.lon, p.lat), expected, 1e-3)
            << lookup.name << " " << p.lon << "," << p.lat << " nearest=" << nonInterpolated;
      }
    }
  }
  quorla::SetNonInterpolatedHeights(false);
  quorla::SetTerrainDirectory("");
}

}  // namespace
}  // namespace terrainmap::test
