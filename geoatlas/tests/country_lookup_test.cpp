#include <gtest/gtest.h>

#include <string>

#include "atlas_fixture.h"
#include "world_atlas.h"

namespace quorla::geoatlas {
namespace {

using testing::Rad;

std::string Lookup(WorldAtlas& atlas, double lonDeg, double latDeg) {
  char code[3];
  atlas.Geoplc(static_cast<float>(Rad(lonDeg)), static_cast<float>(Rad(latDeg)), code);
  return std::string(code, 3);
}

using SyntheticLookup = testing::SyntheticAtlasTest;

TEST_F(SyntheticLookup, KnownPlaces) {
  struct Case {
    double lon, lat;
    const char* code;
  } cases[] = {
      {0.15, 0.15, "CZE"}, {0.3, 0.1, "D  "},  {0.075, 0.075, "SMR"},  // enclave
      {1.05, 1.05, "D  "},                                             // island of a MultiPolygon
      {0.5, 0.1, "   "},   {0.1, -0.05, "   "},                        // sea
      {0.1, 85.0, "   "},  {0.1, -80.0, "ATA"},                        // beyond the polar limits
      {0.199, 0.1, "CZE"}, {0.201, 0.1, "D  "},                        // either side of the border
  };
  for (const Case& c : cases) {
    WorldAtlas atlas(host_, testing::OnlyIn(dir_));
    EXPECT_EQ(Lookup(atlas, c.lon, c.lat), c.code) << c.lon << " " << c.lat;
  }
}

TEST_F(SyntheticLookup, EnclavesFirstThenMoveToFront) {
  WorldAtlas atlas(host_, testing::OnlyIn(dir_));
  ASSERT_EQ(Lookup(atlas, 0.3, 0.1), "D  ");
  auto order = atlas.OrderList();
  ASSERT_GE(order.size(), 3u);
  EXPECT_EQ(std::string(order[0].data(), 3), "D  ");  // the hit moved to the front
  EXPECT_EQ(std::string(order[1].data(), 3), "SMR");  // the enclave before the other areas
  ASSERT_EQ(Lookup(atlas, 0.15, 0.15), "CZE");
  order = atlas.OrderList();
  EXPECT_EQ(std::string(order[0].data(), 3), "CZE");
  EXPECT_EQ(std::string(order[1].data(), 3), "D  ");
  // CZE is tested first now; its inner area still gives the enclave.
  EXPECT_EQ(Lookup(atlas, 0.075, 0.075), "SMR");
  EXPECT_EQ(std::string(atlas.OrderList()[0].data(), 3), "CZE");
}

TEST_F(SyntheticLookup, OnTheBorderTheFirstTestedAreaWins) {
  WorldAtlas atlas(host_, testing::OnlyIn(dir_));
  Lookup(atlas, 0.15, 0.15);
  EXPECT_EQ(Lookup(atlas, 0.2, 0.1), "CZE");
  Lookup(atlas, 0.3, 0.1);
  EXPECT_EQ(Lookup(atlas, 0.2, 0.1), "D  ");
  EXPECT_EQ(Lookup(atlas, 0.4, 0.1), "D  ");  // on the coast
}

using RealLookup = testing::RealAtlasTest;

TEST_F(RealLookup, KnownPlaces) {
  struct Case {
    double lon, lat;
    const char* code;
    const char* what;
  } cases[] = {
      {14.42, 50.08, "CZE", "Prague"},          {13.40, 52.52, "D  ", "Berlin"},
      {2.35, 48.86, "F  ", "Paris"},            {-3.70, 40.42, "E  ", "Madrid"},
      {12.50, 41.89, "I  ", "Rome"},            {-0.13, 51.51, "G  ", "London"},
      {4.90, 52.37, "HOL", "Amsterdam"},        {7.45, 46.95, "SUI", "Bern"},
      {19.04, 47.50, "HNG", "Budapest"},        {23.32, 42.70, "BUL", "Sofia"},
      {16.37, 48.21, "AUT", "Vienna"},          {17.11, 48.15, "SVK", "Bratislava"},
      {14.97, 51.15, "D  ", "Goerlitz"},        {15.02, 51.15, "POL", "Zgorzelec"},
      {12.18, 50.23, "CZE", "As"},              {8.55, 47.69, "SUI", "Schaffhausen"},
      {12.45, 43.94, "SMR", "San Marino"},      {27.48, -29.31, "LSO", "Maseru"},
      {28.19, -25.75, "ZAF", "Pretoria"},       {7.42, 43.74, "MCO", "Monaco"},
      {-21.90, 64.14, "ISL", "Reykjavik"},      {14.51, 35.90, "MLT", "Malta"},
      {9.12, 39.22, "I  ", "Cagliari"},         {-16.64, 28.27, "E  ", "Tenerife"},
      {70.58, 39.85, "TJK", "Vorukh"},          {71.73, 39.95, "UZB", "Shakhimardan"},
      {139.69, 35.69, "JPN", "Tokyo"},          {-179.9, 67.0, "RUS", "Chukotka west of 180"},
      {179.9, 67.0, "RUS", "Chukotka east of 180"},
      {0.0, 0.0, "   ", "Gulf of Guinea"},      {-30.0, 45.0, "   ", "Atlantic"},
      {10.0, 85.0, "   ", "north of 84N"},      {10.0, -80.0, "ATA", "south of 78.5S"},
      {0.0, 90.0, "   ", "North Pole"},         {0.0, -90.0, "ATA", "South Pole"},
  };
  WorldAtlas atlas(host_, testing::OnlyIn(dir_));
  for (const Case& c : cases) EXPECT_EQ(Lookup(atlas, c.lon, c.lat), c.code) << c.what;
}

TEST_F(RealLookup, NearbyMovesKeepTheLoadedMap) {
  Database db;
  LoadFailure failure;
  ASSERT_TRUE(LoadDatabase(dir_ + kIndexFileName, dir_ + kPointFileName, dir_ + kTableFileName, db, failure));
  CountryLookup lookup(db);
  for (int i = 0; i < 20; ++i) lookup.Find(Rad(14.0 + 0.05 * i), Rad(50.0));  // 70 km in 3.5 km steps
  EXPECT_EQ(lookup.loads(), 1);
  lookup.Find(Rad(16.0), Rad(50.0));
  EXPECT_EQ(lookup.loads(), 2);
}

}  // namespace
}  // namespace quorla::geoatlas
