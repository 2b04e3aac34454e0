// The overlay readers on files built here byte by byte: border lines "*.000", road and contour
// lines ".bd" and town names ".bdt", including truncated and garbage files.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "overlays/border_lines.h"
#include "testing/input_kinds.h"
#include "overlays/road_file.h"
#include "overlays/town_file.h"

namespace terrainmap {
namespace {

using Bytes = std::string;

void PutU16(Bytes& b, unsigned v) {
  b += static_cast<char>(v & 0xFF);
  b += static_cast<char>((v >> 8) & 0xFF);
}

void PutDouble(Bytes& b, double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  for (int i = 0; i < 8; ++i) b += static_cast<char>((bits >> (8 * i)) & 0xFF);
}

constexpr double kRadian = std::numbers::pi / 180;

// One border record: the points (degrees), the remaining slots repeating the first point.
Bytes BorderRecord(const std::vector<LinePoint>& points) {
  Bytes b;
  for (int i = 0; i < 11; ++i) {
    const LinePoint& p = i < static_cast<int>(points.size()) ? points[i] : points[0];
    PutDouble(b, p.lon * kRadian);
    PutDouble(b, p.lat * kRadian);
  }
  return b;
}

std::vector<Polyline> Border(const Bytes& bytes) {
  std::istringstream in(bytes);
  return ReadBorderLines(in);
}

void ExpectLine(const Polyline& line, const std::vector<LinePoint>& expected) {
  ASSERT_EQ(line.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(line[i].lon, expected[i].lon, 1e-9) << i;
    EXPECT_NEAR(line[i].lat, expected[i].lat, 1e-9) << i;
  }
}

class OverlayFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           (std::string("quorla_overlays_") + info->name() + "_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Write(const std::string& name, const Bytes& bytes) {
    const auto path = dir_ / name;
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path.string();
  }
  std::filesystem::path dir_;
};

TEST(BorderLines, RecordsOfElevenPoints) {
  EXPECT_EQ(BorderRecord({{15, 49}}).size(), static_cast<size_t>(kBorderRecordBytes));
  const LinePoint a{15, 49}, b{15.1, 49.05}, c{15.2, 48.95}, d{-3.5, 40.25};

  // Unused slots repeat the first point and are not drawn.
  ExpectLine(Border(BorderRecord({a, b, c})).at(0), {a, b, c});
  // A closed ring: its last point equals the first and is left out as well.
  ExpectLine(Border(BorderRecord({a, b, c, a})).at(0), {a, b, c});
  // West and south (negative radians) and a full record.
  std::vector<LinePoint> full;
  for (int i = 0; i < 11; ++i) full.push_back({d.lon + 0.001 * i, d.lat - 0.001 * i});
  ExpectLine(Border(BorderRecord(full)).at(0), full);
  // A record of nothing but its first point is a line of one point.
  ExpectLine(Border(BorderRecord({a})).at(0), {a});
}

TEST(BorderLines, ContinuationWithinPointEightKilometres) {
  // Along a meridian 0.007 degrees are 0.779 km and 0.0073 degrees 0.812 km on the sphere of
  // radius 6373.067 km.
  const LinePoint a{15, 49}, b{15.1, 49};
  struct Case {
    double dLat;
    size_t lines;
  };
  for (const Case c : {Case{0, 1}, Case{0.007, 1}, Case{-0.007, 1}, Case{0.0073, 2}, Case{0.5, 2}}) {
    SCOPED_TRACE(c.dLat);
    // The first point of the second record is compared with the last drawn point b, not with the
    // repeated first point a of the unused slots.
    const LinePoint start{b.lon, b.lat + c.dLat}, end{15.2, 49.2};
    const auto lines = Border(BorderRecord({a, b}) + BorderRecord({start, end}));
    ASSERT_EQ(lines.size(), c.lines);
    if (c.lines == 1) {
      ExpectLine(lines[0], {a, b, start, end});
    } else {
      ExpectLine(lines[0], {a, b});
      ExpectLine(lines[1], {start, end});
    }
  }
  // A third record far away starts a third line; one close to it continues that.
  const auto lines = Border(BorderRecord({a, b}) + BorderRecord({{16, 50}, {16.1, 50}}) +
                            BorderRecord({{16.1, 50.001}, {16.2, 50}}) + BorderRecord({{15, 49}, {14, 49}}));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1].size(), 4u);
  EXPECT_EQ(lines[2].size(), 2u);
}

TEST(BorderLines, TruncatedAndImplausibleRecords) {
  const LinePoint a{15, 49}, b{15.1, 49.05};
  EXPECT_TRUE(Border("").empty());
  EXPECT_TRUE(Border(BorderRecord({a, b}).substr(0, kBorderRecordBytes - 1)).empty());
  // A truncated last record is ignored.
  const auto two = Border(BorderRecord({a, b}) + BorderRecord({{20, 50}, {20.1, 50}}).substr(0, 100));
  ASSERT_EQ(two.size(), 1u);
  ExpectLine(two[0], {a, b});

  // A record whose first point is not a position is skipped; other such points are left out.
  const double nan = std::nan("");
  EXPECT_TRUE(Border(BorderRecord({{nan, 49}, b})).empty());
  EXPECT_TRUE(Border(BorderRecord({{15, 200}, b})).empty());
  EXPECT_TRUE(Border(BorderRecord({{INFINITY, 49}, b})).empty());
  ExpectLine(Border(BorderRecord({a, {nan, nan}, {400, 49}, {15, -91}, b})).at(0), {a, b});
  const auto skipped = Border(BorderRecord({{nan, 0}}) + BorderRecord({a, b}));
  ASSERT_EQ(skipped.size(), 1u);
  ExpectLine(skipped[0], {a, b});
}

TEST_F(OverlayFiles, BorderFileAndItsFolder) {
  const LinePoint a{15, 49}, b{15.1, 49.05};
  const std::string path = Write("CZESVK.000", BorderRecord({a, b}));
  Write("CZESVK.015", BorderRecord({a}));
  Write("AUTCZE.CBR", BorderRecord({a}));
  Write("deucze.000", "");
  std::filesystem::create_directories(dir_ / "folder.000");
  std::vector<Polyline> lines;
  EXPECT_EQ(ReadBorderLineFile(path, lines), quorla::InputStatus::Ok);
  ExpectLine(lines.at(0), {a, b});
  EXPECT_EQ(ReadBorderLineFile((dir_ / "missing.000").string(), lines), quorla::InputStatus::Missing);
  EXPECT_TRUE(lines.empty());
  EXPECT_EQ(ReadBorderLineFile(dir_.string(), lines), quorla::InputStatus::Directory);
  EXPECT_TRUE(lines.empty());

  auto names = ListBorderFiles(dir_.string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"CZESVK.000", "deucze.000"}));
  EXPECT_TRUE(ListBorderFiles((dir_ / "missing").string()).empty());
}

TEST(BorderLines, FileNamePairing) {
  using Names = std::vector<std::string>;
  struct Case {
    Names found, drawn;
  };
  const Case cases[] = {
      {{"CZESVK.000", "SVKCZE.000", "AUTCZE.000"}, {"CZESVK.000", "AUTCZE.000"}},
      {{"SVKCZE.000", "CZESVK.000"}, {"SVKCZE.000"}},  // the first one found wins
      {{"czesvk.000", "SVKCZE.000"}, {"czesvk.000"}},  // codes without regard to case
      {{"CZESVK1.000", "SVKCZE_2.000"}, {"CZESVK1.000"}},  // only the first six characters
      {{"CZESVK.000", "CZESVK_B.000"}, {"CZESVK.000", "CZESVK_B.000"}},  // same order: both
      {{"xxxCZE.000", "CZExxx.000", "XXXAUT.000", "AUTXxX.000", "CZEDEU.000"}, {"CZEDEU.000"}},
      {{"CZEAUT.000", "AUTDEU.000", "DEUCZE.000", "AUTCZE.000"}, {"CZEAUT.000", "AUTDEU.000", "DEUCZE.000"}},
      {{"AB.000"}, {"AB.000"}},  // too short to hold two codes
      {{}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(SelectBorderFiles(c.found), c.drawn) << c.found.size();
}

// A ".bd" line record: header with the point count (the other two bytes unused), box, points.
struct RoadRecord {
  unsigned west, south, east, north;
  std::vector<std::pair<unsigned, unsigned>> points;
};

Bytes RoadBytes(const RoadRecord& r) {
  Bytes b;
  PutU16(b, static_cast<unsigned>(r.points.size()));
  PutU16(b, 0xBEEF);
  for (unsigned v : {r.west, r.south, r.east, r.north}) PutU16(b, v);
  for (const auto& [lon, lat] : r.points) {
    PutU16(b, lon);
    PutU16(b, lat);
  }
  return b;
}

Bytes EndMarker() { return Bytes(12, '\0'); }

// Value of a degree: v = (deg - 11) * 5000 for longitude, (deg - 46) * 5000 for latitude.
constexpr unsigned Lon(double deg) { return static_cast<unsigned>((deg - 11) * 5000 + 0.5); }
constexpr unsigned Lat(double deg) { return static_cast<unsigned>((deg - 46) * 5000 + 0.5); }

// A string buffer that counts the bytes read from it, to show that skipped points are not read.
class CountingBuffer : public std::stringbuf {
 public:
  using std::stringbuf::stringbuf;
  std::streamsize bytesRead = 0;

 protected:
  std::streamsize xsgetn(char* s, std::streamsize n) override {
    const std::streamsize got = std::stringbuf::xsgetn(s, n);
    bytesRead += got;
    return got;
  }
};

const MapArea kMap{14.5, 48.5, 15.5, 49.5};

std::vector<Polyline> Roads(const Bytes& bytes, const MapArea& map = kMap) {
  std::istringstream in(bytes);
  return ReadRoadLines(in, map);
}

TEST(RoadFile, ValuesAndBoxes) {
  EXPECT_DOUBLE_EQ(RoadLongitude(0), 11);
  EXPECT_DOUBLE_EQ(RoadLongitude(20000), 15);
  EXPECT_DOUBLE_EQ(RoadLatitude(15000), 49);
  EXPECT_DOUBLE_EQ(RoadLatitude(65535), 46 + 13.107);

  const RoadRecord inside{Lon(14.9), Lat(48.9), Lon(15.1), Lat(49.1),
                          {{Lon(14.9), Lat(48.9)}, {Lon(15), Lat(49)}, {Lon(15.1), Lat(49.1)}}};
  // Box outside the map although its points lie inside: the box decides.
  const RoadRecord east{Lon(15.6), Lat(49), Lon(16), Lat(49.2), {{Lon(15), Lat(49)}, {Lon(15.2), Lat(49.2)}}};
  const RoadRecord north{Lon(15), Lat(49.6), Lon(15.2), Lat(50), {{Lon(15), Lat(49)}}};
  const RoadRecord west{Lon(13), Lat(49), Lon(14.4), Lat(49.2), {{Lon(15), Lat(49)}}};
  const RoadRecord south{Lon(15), Lat(47), Lon(15.2), Lat(48.4), {{Lon(15), Lat(49)}}};
  // Boxes that only overlap the map, or cover it, are read.
  const RoadRecord corner{Lon(15.4), Lat(49.4), Lon(16), Lat(50), {{Lon(15.4), Lat(49.4)}, {Lon(16), Lat(50)}}};
  const RoadRecord around{Lon(12), Lat(47), Lon(18), Lat(51), {{Lon(12), Lat(47)}, {Lon(18), Lat(51)}}};

  const Bytes file = RoadBytes(inside) + RoadBytes(east) + RoadBytes(north) + RoadBytes(corner) +
                     RoadBytes(west) + RoadBytes(south) + RoadBytes(around) + EndMarker() +
                     RoadBytes(inside);  // behind the end marker: not read
  CountingBuffer buffer(file);
  std::istream in(&buffer);
  const auto lines = ReadRoadLines(in, kMap);
  ASSERT_EQ(lines.size(), 3u);
  ExpectLine(lines[0], {{14.9, 48.9}, {15, 49}, {15.1, 49.1}});
  ExpectLine(lines[1], {{15.4, 49.4}, {16, 50}});
  ExpectLine(lines[2], {{12, 47}, {18, 51}});
  // Eight headers with boxes and the points of the three lines read.
  EXPECT_EQ(buffer.bytesRead, 8 * 12 + 4 * (3 + 2 + 2));
}

TEST(RoadFile, TruncatedAndMissing) {
  const RoadRecord a{Lon(15), Lat(49), Lon(15.1), Lat(49.1), {{Lon(15), Lat(49)}, {Lon(15.1), Lat(49.1)}}};
  const RoadRecord far{Lon(20), Lat(55), Lon(21), Lat(56), {{Lon(20), Lat(55)}, {Lon(21), Lat(56)}}};
  const Bytes one = RoadBytes(a);
  EXPECT_EQ(Roads(one).size(), 1u);  // no end marker: the end of the file ends it
  EXPECT_EQ(Roads(one + one).size(), 2u);
  EXPECT_EQ(Roads(one + one.substr(0, one.size() - 1)).size(), 1u);  // points cut short
  EXPECT_EQ(Roads(one + one.substr(0, 5)).size(), 1u);               // header cut short
  EXPECT_EQ(Roads(one + RoadBytes(far).substr(0, 14)).size(), 1u);   // skipped past the end
  EXPECT_TRUE(Roads("").empty());
  EXPECT_TRUE(Roads(EndMarker() + one).empty());
  // A skipped record whose count runs far past the end of the file.
  Bytes huge = RoadBytes(far);
  huge[0] = huge[1] = '\xFF';
  EXPECT_EQ(Roads(one + huge + one).size(), 1u);
}

TEST_F(OverlayFiles, RoadFileOnDisk) {
  const RoadRecord a{Lon(15), Lat(49), Lon(15.1), Lat(49.1), {{Lon(15), Lat(49)}, {Lon(15.1), Lat(49.1)}}};
  const RoadRecord far{Lon(20), Lat(55), Lon(21), Lat(56), {{Lon(20), Lat(55)}}};
  Bytes skippedPastEnd = RoadBytes(far);
  skippedPastEnd[0] = '\x40';  // 64 points announced, one present
  const std::string path = Write("dalnice.bd", RoadBytes(far) + RoadBytes(a) + skippedPastEnd);
  std::vector<Polyline> lines;
  EXPECT_EQ(ReadRoadFile(path, kMap, lines), quorla::InputStatus::Ok);
  ASSERT_EQ(lines.size(), 1u);
  ExpectLine(lines[0], {{15, 49}, {15.1, 49.1}});
  EXPECT_EQ(ReadRoadFile((dir_ / "hlavni.bd").string(), kMap, lines), quorla::InputStatus::Missing);
  EXPECT_TRUE(lines.empty());
}

Bytes TownRecord(unsigned lon, unsigned lat, const Bytes& name) {
  Bytes b;
  PutU16(b, lon);
  PutU16(b, lat);
  b += (name + Bytes(10, '\0')).substr(0, 10);
  return b;
}

std::vector<TownName> Towns(const Bytes& bytes, size_t maxCount = 9999) {
  std::istringstream in(bytes);
  return ReadTownNames(in, maxCount);
}

TEST(TownFile, RecordsNamesAndEnd) {
  EXPECT_EQ(TownRecord(1, 2, "x").size(), static_cast<size_t>(kTownRecordBytes));
  const Bytes file = TownRecord(Lon(14.4), Lat(50.1), "Praha") + TownRecord(Lon(16.6), Lat(49.2), "Brno-stred") +
                     TownRecord(Lon(18.3), 0, Bytes("Os\0trava", 8)) +
                     TownRecord(1, Lat(49), "\xC8" "esk\xE1 L.") + TownRecord(0, Lat(49), "End") +
                     TownRecord(Lon(15), Lat(49), "After");
  const auto towns = Towns(file);
  ASSERT_EQ(towns.size(), 4u);
  const struct {
    double lon, lat;
    const char* name;
  } expected[] = {{14.4, 50.1, "Praha"}, {16.6, 49.2, "Brno-stred"}, {18.3, 46, "Ostrava"},
                  {11.0002, 49, "\xC8" "esk\xE1 L."}};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(towns[i].lon, expected[i].lon, 1e-9) << i;
    EXPECT_NEAR(towns[i].lat, expected[i].lat, 1e-9) << i;
    EXPECT_EQ(towns[i].name, expected[i].name) << i;
  }
  // The first N names.
  ASSERT_EQ(Towns(file, 2).size(), 2u);
  EXPECT_EQ(Towns(file, 2)[1].name, "Brno-stred");
  EXPECT_TRUE(Towns(file, 0).empty());
  // A name of zero bytes only, a truncated record and an empty file.
  EXPECT_EQ(Towns(TownRecord(5, 5, "")).at(0).name, "");
  EXPECT_EQ(Towns(file.substr(0, 2 * kTownRecordBytes - 1)).size(), 1u);
  EXPECT_TRUE(Towns("").empty());
}

TEST_F(OverlayFiles, TownFileOnDisk) {
  const std::string path = Write("obcejme.bdt", TownRecord(Lon(14.4), Lat(50.1), "Praha") + Bytes(7, 'x'));
  std::vector<TownName> towns;
  EXPECT_EQ(ReadTownFile(path, 10, towns), quorla::InputStatus::Ok);
  ASSERT_EQ(towns.size(), 1u);
  EXPECT_EQ(towns[0].name, "Praha");
  EXPECT_EQ(ReadTownFile((dir_ / "missing.bdt").string(), 10, towns), quorla::InputStatus::Missing);
  EXPECT_TRUE(towns.empty());
}

// Each kind of path through the three overlay readers: its status, nothing read, no hang.
TEST(OverlayPaths, ThoseThatAreNotOverlayFilesSayWhy) {
  quorla::InputKindFiles files(kMaxOverlayFileBytes);
  for (const quorla::InputKindCase& c : files.Cases()) {
    SCOPED_TRACE(c.kind);
    std::vector<Polyline> borders{{{1, 1}}}, roads{{{1, 1}}};
    std::vector<TownName> towns{{1, 1, "x"}};
    EXPECT_EQ(ReadBorderLineFile(c.path, borders), c.expected);
    EXPECT_EQ(ReadRoadFile(c.path, kMap, roads), c.expected);
    EXPECT_EQ(ReadTownFile(c.path, 10, towns), c.expected);
    EXPECT_TRUE(borders.empty() && roads.empty() && towns.empty());
  }
}

}  // namespace
}  // namespace terrainmap
