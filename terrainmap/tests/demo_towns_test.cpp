// The demo's town files: the public town list read from protocol buffer bytes built here, the
// single-byte names, the selection and order of the towns, and the files written read back by the
// viewer's own readers.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "geometry/sphere.h"
#include "overlays/road_file.h"
#include "overlays/road_set.h"
#include "overlays/town_file.h"
#include "towns/city_list.h"
#include "towns/demo_towns.h"
#include "towns/single_byte_name.h"

namespace terrainmap {
namespace {

// Protocol buffer encoding as the list is written: varints, zigzag steps, length-prefixed texts.
void PutVarint(std::string& b, uint64_t v) {
  for (; v >= 0x80; v >>= 7) b += static_cast<char>((v & 0x7F) | 0x80);
  b += static_cast<char>(v);
}
void PutKey(std::string& b, unsigned field, unsigned wire) { PutVarint(b, field << 3 | wire); }
void PutText(std::string& b, unsigned field, const std::string& text) {
  PutKey(b, field, 2);
  PutVarint(b, text.size());
  b += text;
}
void PutStep(std::string& b, unsigned field, int64_t step) {
  PutKey(b, field, 0);
  PutVarint(b, static_cast<uint64_t>((step << 1) ^ (step >> 63)));
}

// The list of the cities, positions as running steps of 1e-5 degree.
std::string CityListBytes(const std::vector<City>& cities) {
  std::string list;
  int64_t lon = 0, lat = 0;
  for (const City& c : cities) {
    std::string m;
    PutKey(m, 1, 0);
    PutVarint(m, 7);  // an id, not read
    PutText(m, 2, c.name);
    PutText(m, 3, "CZ");  // a country, not read
    PutText(m, 7, c.featureCode);
    PutKey(m, 9, 0);
    PutVarint(m, c.population);
    const int64_t x = std::llround(c.lon * 1e5), y = std::llround(c.lat * 1e5);
    PutStep(m, 10, x - lon);
    PutStep(m, 11, y - lat);
    lon = x, lat = y;
    PutVarint(list, m.size());
    list += m;
  }
  return list;
}

const std::vector<City> kCities = {
    {"Brno", "PPLA", 369559, 16.60796, 49.19522},
    {"Plzeň", "PPLA", 164180, 13.37759, 49.74747},
    {"Favoriten", "PPLX", 201882, 16.38233, 48.16116},  // a section of Vienna
    {"Praha", "PPLC", 1165581, 14.42076, 50.08804},
    {"Kolín", "PPL", 29690, 15.20136, 50.02814},
    {"Kutná Hora", "PPL", 20839, 15.26816, 49.94839},
    {"Zürich", "PPLA", 341730, 8.55, 47.36667},    // west of what the town files hold
    {"Buenos Aires", "PPLC", 13076300, -58.37723, -34.61315},
};

TEST(CityList, ReadsNamesPopulationsAndRunningPositions) {
  std::vector<City> read;
  ASSERT_TRUE(ParseCityList(CityListBytes(kCities), read));
  ASSERT_EQ(read.size(), kCities.size());
  for (size_t i = 0; i < kCities.size(); ++i) {
    SCOPED_TRACE(kCities[i].name);
    EXPECT_EQ(read[i].name, kCities[i].name);
    EXPECT_EQ(read[i].featureCode, kCities[i].featureCode);
    EXPECT_EQ(read[i].population, kCities[i].population);
    EXPECT_NEAR(read[i].lon, kCities[i].lon, 1e-9);
    EXPECT_NEAR(read[i].lat, kCities[i].lat, 1e-9);
  }
}

TEST(CityList, UnknownFieldsAreSkippedAndBrokenBytesRefused) {
  std::string m;
  PutKey(m, 12, 1);
  m += std::string(8, '\x11');  // a 64-bit field
  PutKey(m, 13, 5);
  m += std::string(4, '\x22');  // a 32-bit field
  PutText(m, 2, "Tábor");
  std::string one;
  PutVarint(one, m.size());
  one += m;
  std::vector<City> read;
  ASSERT_TRUE(ParseCityList(one, read));
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].name, "Tábor");

  const std::string good = CityListBytes(kCities);
  std::string farStep, runsOver;
  PutStep(farStep, 10, INT64_MAX);
  for (int i = 0; i < 2; ++i) {  // the second step takes the running sum past what it can hold
    PutVarint(runsOver, farStep.size());
    runsOver += farStep;
  }
  struct {
    const char* what;
    std::string bytes;
  } kBroken[] = {
      {"cut inside a message", good.substr(0, good.size() - 3)},
      {"length beyond the end", std::string("\x7F\x0A\x01", 3)},
      {"endless varint", std::string("\x0B") + std::string(11, '\xFF')},
      {"unknown wire type", std::string("\x01\x0E", 2)},
      {"running position past its range", runsOver},
  };
  for (const auto& c : kBroken) {
    SCOPED_TRACE(c.what);
    EXPECT_FALSE(ParseCityList(c.bytes, read));
  }
}

TEST(SingleByteName, LatinOneKeptCentralEuropeanPlainOthersLeftOutCutToTen) {
  const struct {
    const char* utf8;
    const char* expected;
  } kCases[] = {
      {"Brno", "Brno"},
      {"Plzeň", "Plzen"},
      {"Wrocław", "Wroclaw"},
      {"Győr", "Gyor"},
      {"Kraków", "Krak\xF3w"},                     // ó is Latin-1
      {"České Budějovice", "Cesk\xE9 Bude"},     // cut to 10 bytes
      {"Ústí nad Labem", "\xDAst\xED nad L"},
      {"Frankfurt (Oder)", "Frankfurt"},         // the cut leaves a blank, dropped
      {"Żary", "Zary"},
      {"Москва", ""},
      {"a\xFF\xC3z", "az"},                      // malformed bytes skipped
  };
  for (const auto& c : kCases) EXPECT_EQ(SingleByteTownName(c.utf8), c.expected) << c.utf8;
}

TEST(DemoTowns, AreaOrderAndSectionsLeftOut) {
  const auto towns = TownsInArea(kCities, {13, 48, 19, 51});
  std::vector<std::string> names;
  for (const City& t : towns) names.push_back(t.name);
  EXPECT_EQ(names, (std::vector<std::string>{"Praha", "Brno", "Plzeň", "Kolín", "Kutná Hora"}));
  EXPECT_TRUE(TownsInArea(kCities, {5, 40, 10, 50}).empty());  // Zürich lies west of 11E
}

TEST(DemoTowns, ContourAreaFollowsPopulation) {
  const City town{"T", "PPL", static_cast<uint64_t>(2500 * std::numbers::pi * 4), 15, 50};  // 2 km radius
  EXPECT_NEAR(ContourRadiusKm(town.population), 2.0, 1e-4);  // the population is whole
  for (const int corners : {6, 24}) {
    const Polyline line = TownContour(town, corners);
    ASSERT_EQ(line.size(), static_cast<size_t>(corners + 1));
    EXPECT_EQ(line.front().lon, line.back().lon);
    EXPECT_EQ(line.front().lat, line.back().lat);
    EXPECT_GT(line.front().lat, town.lat);  // the first corner due north
    for (const LinePoint& p : line) EXPECT_NEAR(SphereDistanceAzimuth(town.lon, town.lat, p.lon, p.lat).km, 2.0, 0.02);
  }
}

class DemoTownFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("quorla_towns_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path dir_;
};

TEST_F(DemoTownFiles, ViewerReadsNamesInOrderAndContoursPerLevel) {
  // 50 towns on a row, the population growing eastwards: the file lists them east to west.
  std::vector<City> cities;
  for (int i = 0; i < 50; ++i) cities.push_back({"T" + std::to_string(i), "PPL", 1000u + 100u * i, 14 + 0.05 * i, 49.5});
  const auto towns = TownsInArea(cities, {13, 48, 18, 51});
  std::ostringstream err;
  ASSERT_TRUE(WriteDemoTowns(towns, (dir_ / "#mrf_vct").string(), err)) << err.str();
  const std::string roads = RoadDirectory(dir_.string());
  EXPECT_TRUE(RoadsAndTownsAvailable(roads));

  std::vector<TownName> names;
  ASSERT_EQ(ReadTownFile(RoadFilePath(roads, "obcejme.bdt"), 9999, names), quorla::InputStatus::Ok);
  ASSERT_EQ(names.size(), 50u);
  for (size_t i = 0; i < names.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(names[i].name, "T" + std::to_string(49 - i));
    EXPECT_NEAR(names[i].lon, 14 + 0.05 * (49 - i), 1e-4);
    EXPECT_NEAR(names[i].lat, 49.5, 1e-4);
  }
  // Each size's contour file holds at least the towns whose names that size draws.
  const MapArea all{11, 46, 24, 59};
  for (int z = -1; z <= 15; ++z) {
    SCOPED_TRACE(z);
    const TownLevel level = TownLevelFor(z);
    std::vector<Polyline> contours;
    ASSERT_EQ(ReadRoadFile(RoadFilePath(roads, level.contourFile), all, contours), quorla::InputStatus::Ok);
    EXPECT_GE(contours.size(), std::min<size_t>(50, level.names));
    if (z >= 12) {
      EXPECT_EQ(contours.size(), 40u);  // sizes 12 to 15 show at most 40 names
    }
    // The largest town first, its contour round its position.
    ASSERT_FALSE(contours.empty());
    const Polyline& first = contours.front();
    EXPECT_NEAR(SphereDistanceAzimuth(14 + 0.05 * 49, 49.5, first[0].lon, first[0].lat).km, ContourRadiusKm(5900), 0.03);
  }
}

TEST_F(DemoTownFiles, UnwritableFolderIsReported) {
  std::filesystem::create_directories(dir_);
  std::ofstream(dir_ / "file") << "x";
  std::ostringstream err;
  EXPECT_FALSE(WriteDemoTowns(TownsInArea(kCities, {13, 48, 19, 51}), (dir_ / "file").string(), err));
  EXPECT_NE(err.str().find("cannot write"), std::string::npos);
}

// The installed public list itself, when the data packages are there.
TEST(CityList, PublicListHoldsKnownTowns) {
  std::vector<City> cities;
  if (!std::filesystem::exists(QUORLA_CITY_LIST)) GTEST_SKIP() << "no town list at " << QUORLA_CITY_LIST;
  ASSERT_TRUE(ReadCityList(QUORLA_CITY_LIST, cities));
  EXPECT_GT(cities.size(), 100000u);
  const struct {
    const char* name;
    double lon, lat;
  } kKnown[] = {{"Brno", 16.61, 49.20}, {"Linz", 14.29, 48.31}, {"Bratislava", 17.11, 48.15}};
  for (const auto& k : kKnown) {
    SCOPED_TRACE(k.name);
    const auto it = std::find_if(cities.begin(), cities.end(), [&](const City& c) {
      return c.name == k.name && std::abs(c.lon - k.lon) < 0.05 && std::abs(c.lat - k.lat) < 0.05;
    });
    ASSERT_NE(it, cities.end());
    EXPECT_GT(it->population, 100000u);
  }
}

// The demo terrain directory the build made: its town files read by the viewer's readers.
TEST(DemoTerrain, TownFilesOfTheBuild) {
  const std::string roads = RoadDirectory(std::string(QUORLA_BUILD_DATA) + "/demo/topo");
  if (!std::filesystem::exists(roads)) GTEST_SKIP() << "no demo town files at " << roads;
  ASSERT_TRUE(RoadsAndTownsAvailable(roads));
  std::vector<TownName> names;
  ASSERT_EQ(ReadTownFile(RoadFilePath(roads, "obcejme.bdt"), 9999, names), quorla::InputStatus::Ok);
  ASSERT_GT(names.size(), 1000u);
  EXPECT_EQ(names[0].name, "Vienna");  // the most populous town of the demo area
  for (const TownName& t : names) {
    EXPECT_TRUE(t.lon > 13 && t.lon < 19 && t.lat > 47 && t.lat < 52) << t.name;
    EXPECT_FALSE(t.name.empty());
  }
}

}  // namespace
}  // namespace terrainmap
