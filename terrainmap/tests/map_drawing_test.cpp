// The map drawing on images from generated tiles and hand-made line files: the colours of known
// heights, white where tiles are missing, the graticule, the border-file pairing, the town names
// by size, the world map lines by size, the status texts and the stop.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "geometry/colour_scale.h"
#include "overlays/border_lines.h"
#include "point_altitude.h"
#include "stream_host.h"
#include "terrain/tile_generator.h"
#include "terrain_fixture.h"
#include "ui/qt_drawing_surface.h"
#include "windows/drawing_times.h"
#include "windows/map_drawing.h"
#include "world_atlas.h"

namespace terrainmap {
namespace {

using quorla::ui::QtDrawingSurface;

QGuiApplication& App() {
  static int argc = 1;
  static char name[] = "map_drawing_test";
  static char* argv[] = {name, nullptr};
  static auto* app = new QGuiApplication(argc, argv);
  return *app;
}

quorla::Rgb Expected(const Rgb& k) { return quorla::MakeRgb(k.r, k.g, k.b); }

void WriteBytes(const std::filesystem::path& path, const std::vector<char>& bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// One 176-byte record: the points of the line, the remaining slots repeating the first point.
std::vector<char> BorderRecord(const std::vector<LinePoint>& line) {
  std::vector<char> bytes;
  for (size_t i = 0; i < 11; ++i) {
    const LinePoint& p = line[i < line.size() ? i : 0];
    for (const double deg : {p.lon, p.lat}) {
      const double rad = deg * std::atan(1.0) / 45;
      char b[8];
      std::memcpy(b, &rad, 8);
      bytes.insert(bytes.end(), b, b + 8);
    }
  }
  return bytes;
}

void Put16(std::vector<char>& bytes, unsigned v) {
  bytes.push_back(static_cast<char>(v & 255));
  bytes.push_back(static_cast<char>(v >> 8));
}

// A town file of count towns north-east of (lon, lat), ten to a row, 4 x 1 steps of 1/5000
// degree apart (all on the smallest map round the point), named "T1", "T2", ...
std::vector<char> TownFile(int count, double lon, double lat) {
  std::vector<char> bytes;
  for (int i = 0; i < count; ++i) {
    Put16(bytes, static_cast<unsigned>(std::lround((lon - 11) * 5000) + 4 * (i % 10)));
    Put16(bytes, static_cast<unsigned>(std::lround((lat - 46) * 5000) + i / 10));
    char name[10] = {};
    std::snprintf(name, sizeof name, "T%d", i + 1);
    bytes.insert(bytes.end(), name, name + 10);
  }
  bytes.insert(bytes.end(), 14, '\0');
  return bytes;
}

class MapDrawing : public test::TerrainDirTest {
 protected:
  void SetUp() override {
    App();
    TerrainDirTest::SetUp();
    request_.terrainDir = dir_.string();
    request_.lon = 15;
    request_.lat = 50;
  }
  DrawReport Draw(QtDrawingSurface& s) { return DrawMap(s, request_, hooks_, grid_); }
  MapFrame Frame(const QtDrawingSurface& s) const {
    return MakeMapFrame(request_.lon, request_.lat, request_.sizeIndex, s.PixelWidth(), s.PixelHeight());
  }

  MapRequest request_;
  DrawHooks hooks_;
  HeightGrid grid_;
};

TEST_F(MapDrawing, CellColoursFollowTheHeightsAndMissingTilesAreWhite) {
  ASSERT_EQ(GenerateTerrainTiles(dir_.string(), {14, 49, 15, 51}), GenerateStatus::Ok);  // west of 15E only
  QtDrawingSurface s(400, 286);
  ASSERT_TRUE(Draw(s).completed);
  const MapFrame f = Frame(s);
  ASSERT_EQ(grid_.columns, 400);
  ASSERT_EQ(grid_.rows, 286);
  ASSERT_LT(grid_.minimum, grid_.maximum);
  // Pixels away from the graticule (15E, 50N), the frame and the legend.
  for (const auto& [px, py] : {std::pair{40, 40}, {120, 100}, {180, 60}, {60, 200}, {150, 170}}) {
    SCOPED_TRACE(px * 1000 + py);
    const double lon = f.Lon(px + 0.5), lat = f.Lat(py + 0.5);
    const float h = quorla::PointAltitude(lon, lat);
    ASSERT_NE(h, quorla::kNoHeight);
    EXPECT_EQ(s.PixelColor(px, py), Expected(HeightColour(h, grid_.minimum, grid_.maximum, request_.sizeIndex)));
  }
  for (const auto& [px, py] : {std::pair{260, 40}, {330, 120}, {380, 200}})
    EXPECT_EQ(s.PixelColor(px, py), quorla::kWhite) << px << "," << py;
}

TEST_F(MapDrawing, GraticuleAtWholeDegreesOnly) {
  request_.sizeIndex = 12;  // 310 x 220 km: 14E..16E and 49N..50N lie inside
  QtDrawingSurface s(700, 500);
  ASSERT_TRUE(Draw(s).completed);
  const MapFrame f = Frame(s);
  // Lines fall on the pixel either side of a whole-pixel position.
  const quorla::Rgb grey = quorla::MakeRgb(50, 50, 50);
  auto darkInColumn = [&](double lon) {
    int n = 0;
    const int x = static_cast<int>(std::floor(f.X(lon)));
    for (int y = 30; y < 440; ++y)
      n += s.PixelColor(x - 1, y) == grey || s.PixelColor(x, y) == grey || s.PixelColor(x + 1, y) == grey;
    return n;
  };
  auto darkInRow = [&](double lat) {
    int n = 0;
    const int y = static_cast<int>(std::floor(f.Y(lat)));
    for (int x = 30; x < 670; ++x)
      n += s.PixelColor(x, y - 1) == grey || s.PixelColor(x, y) == grey || s.PixelColor(x, y + 1) == grey;
    return n;
  };
  for (const double lon : {14.0, 15.0, 16.0}) EXPECT_GT(darkInColumn(lon), 100) << lon;  // dashed
  // Between the whole degrees only the crossings of the other lines.
  EXPECT_LE(darkInColumn(15.5), 3);
  EXPECT_GT(darkInRow(50.0), 150);
  EXPECT_LE(darkInRow(50.5), 9);
}

TEST_F(MapDrawing, BorderLineInBothFileOrdersIsDrawnOnce) {
  const auto borders = dir_ / "border";
  // The same pair of countries in both orders; the second file holds another line, which must
  // not be drawn. A file with "xxx" as a code is skipped too.
  WriteBytes(borders / "AAABBB.000", BorderRecord({LinePoint{14.8, 50.1}, LinePoint{15.2, 50.1}}));
  WriteBytes(borders / "BBBAAA.000", BorderRecord({LinePoint{14.8, 49.9}, LinePoint{15.2, 49.9}}));
  WriteBytes(borders / "xxxCCC.000", BorderRecord({LinePoint{14.8, 50.2}, LinePoint{15.2, 50.2}}));
  request_.borderDir = borders.string();
  QtDrawingSurface s(700, 500);
  const DrawReport report = Draw(s);
  const MapFrame f = Frame(s);
  const int x = static_cast<int>(f.X(15.1));
  auto blackNear = [&](double lat) {
    const int y = static_cast<int>(std::floor(f.Y(lat)));
    return s.PixelColor(x, y) == quorla::kBlack || s.PixelColor(x, y - 1) == quorla::kBlack ||
           s.PixelColor(x, y + 1) == quorla::kBlack;
  };
  // Which of the two pair files comes first is the directory scan's order.
  EXPECT_EQ(report.borderFiles, 1);
  EXPECT_NE(blackNear(50.1), blackNear(49.9));
  EXPECT_FALSE(blackNear(50.2));
}

TEST_F(MapDrawing, PointsFarOutsideTheMapBreakTheLine) {
  // 14.8E to 100E lies some 45 000 pixels off a 700-pixel map at size 9: no segment reaches it,
  // so nothing is drawn along 50.1N east of 14.8E; the visible pair on 49.9N is drawn.
  std::vector<char> bytes = BorderRecord({LinePoint{14.8, 50.1}, LinePoint{100, 50.1}, LinePoint{14.8, 50.1}});
  const std::vector<char> visible = BorderRecord({LinePoint{14.8, 49.9}, LinePoint{15.2, 49.9}});
  WriteBytes(dir_ / "border" / "AAABBB.000", bytes);
  WriteBytes(dir_ / "border" / "CCCDDD.000", visible);
  request_.borderDir = (dir_ / "border").string();
  QtDrawingSurface s(700, 500);
  ASSERT_EQ(Draw(s).borderFiles, 2);
  const MapFrame f = Frame(s);
  auto blackAt = [&](double lon, double lat) {
    const int x = static_cast<int>(f.X(lon)), y = static_cast<int>(std::floor(f.Y(lat)));
    for (int dy = -1; dy <= 1; ++dy)
      if (s.PixelColor(x, y + dy) == quorla::kBlack) return true;
    return false;
  };
  EXPECT_TRUE(blackAt(15.1, 49.9));
  EXPECT_FALSE(blackAt(15.1, 50.1));
  EXPECT_FALSE(blackAt(15.5, 50.1));
}

TEST_F(MapDrawing, TownNamesCountBySize) {
  const auto roads = dir_ / "#mrf_vct";
  WriteBytes(roads / "obcejme.bdt", TownFile(300, 14.997, 49.998));
  for (const char* contour : {"vobce1.bd", "vobce88.bd", "vobce86.bd", "vobce4.bd", "vobce8.bd", "vobce12.bd"})
    WriteBytes(roads / contour, std::vector<char>(4, '\0'));
  request_.roadsAndTowns = true;
  const struct {
    int size, names;
  } kCases[] = {{-1, 300}, {5, 300}, {9, 260}, {11, 75}, {13, 19}, {15, 8}, {16, 0}, {18, 0}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.size);
    request_.sizeIndex = c.size;
    QtDrawingSurface s(500, 357);
    EXPECT_EQ(Draw(s).townNames, c.names);
  }
  request_.roadsAndTowns = false;
  request_.sizeIndex = 9;
  QtDrawingSurface s(500, 357);
  EXPECT_EQ(Draw(s).townNames, 0);
}

TEST_F(MapDrawing, MotorwaysBelowSize13Only) {
  // One motorway along 50.002N from 14.99E to 15.01E.
  const unsigned w = (14.99 - 11) * 5000, e = (15.01 - 11) * 5000, lat = (50.002 - 46) * 5000;
  std::vector<char> road;
  for (const unsigned v : {2u, 0u, w, lat, e, lat, w, lat, e, lat}) Put16(road, v);
  Put16(road, 0);
  Put16(road, 0);
  const auto roads = dir_ / "#mrf_vct";
  WriteBytes(roads / "dalnice.bd", road);
  WriteBytes(roads / "obcejme.bdt", TownFile(0, 15, 50));
  WriteBytes(roads / "vobce12.bd", std::vector<char>(4, '\0'));
  request_.roadsAndTowns = true;
  const quorla::Rgb motorway = quorla::MakeRgb(255, 0, 70);
  for (const auto& [size, drawn] : {std::pair{5, true}, {12, true}, {13, false}}) {
    SCOPED_TRACE(size);
    request_.sizeIndex = size;
    QtDrawingSurface s(700, 500);
    Draw(s);
    const MapFrame f = Frame(s);
    const int x = static_cast<int>(f.X(15.005)), y = static_cast<int>(std::floor(f.Y(50.002)));
    bool found = false;
    for (int dy = -1; dy <= 1; ++dy) found = found || s.PixelColor(x, y + dy) == motorway;
    EXPECT_EQ(found, drawn);
  }
}

TEST_F(MapDrawing, WorldMapLinesReplaceTheBorderFilesFromSize12) {
  const std::string db = QUORLA_BUILD_DATA;
  if (!std::filesystem::exists(db + "/GEOIDX1.BIN")) GTEST_SKIP() << "no world map database in the build";
  std::ostringstream messages;
  quorla::geoatlas::StreamHost host(messages);
  quorla::geoatlas::WorldAtlas atlas(host, {"", {db + "/"}});
  hooks_.atlas = &atlas;
  WriteBytes(dir_ / "border" / "CZEDEU.000", BorderRecord({LinePoint{14.8, 50.1}, LinePoint{15.2, 50.1}}));
  request_.borderDir = (dir_ / "border").string();
  request_.lon = 13.0;  // on the Czech-German border
  request_.lat = 50.45;
  const struct {
    int size;
    WorldBorders option;
    bool world, files;
  } kCases[] = {{8, WorldBorders::AboveSize9, false, true},   {9, WorldBorders::AboveSize9, true, true},
                {12, WorldBorders::AboveSize9, true, false},  {8, WorldBorders::Always, true, true},
                {12, WorldBorders::Always, true, true},       {18, WorldBorders::AboveSize9, true, false}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.size);
    request_.sizeIndex = c.size;
    request_.worldBorders = c.option;
    QtDrawingSurface s(500, 357);
    const DrawReport r = Draw(s);
    EXPECT_EQ(r.worldLines > 0, c.world);
    EXPECT_EQ(r.borderFiles > 0, c.files);
  }
  EXPECT_TRUE(messages.str().empty()) << messages.str();
}

TEST_F(MapDrawing, StatusTextsInOrderAndTheStop) {
  ASSERT_EQ(GenerateTerrainTiles(dir_.string(), {14, 49, 16, 51}), GenerateStatus::Ok);
  std::vector<std::string> texts;
  hooks_.status = [&](std::string_view t) { texts.emplace_back(t); };
  QtDrawingSurface s(200, 143);
  ASSERT_TRUE(Draw(s).completed);
  ASSERT_GE(texts.size(), 203u);
  EXPECT_EQ(texts[0], " Reading altitudes from DTM  ...  wait please (or Close)");
  EXPECT_EQ(texts[1], " 0 sec  =   0 %");
  EXPECT_EQ(texts[200], " 0 sec  =  100 %");
  EXPECT_EQ(texts[201], " Map drawing  ...  wait please");
  EXPECT_EQ(texts.back().substr(0, 6), "  t = ");

  // A stop asked for during the reading ends the drawing after that column.
  std::atomic<bool> stop{false};
  hooks_.stop = &stop;
  int columns = 0;
  hooks_.status = [&](std::string_view t) {
    if (t.find(" %") != std::string_view::npos && ++columns == 5) stop = true;
  };
  EXPECT_FALSE(Draw(s).completed);
  EXPECT_EQ(columns, 5);
}

TEST(DrawingTimes, ProgressAndTotal) {
  EXPECT_EQ(ProgressText(12.7, 5), " 12 sec  =   5 %");
  EXPECT_EQ(ProgressText(59.9, 99), " 59 sec  =  99 %");
  EXPECT_EQ(ProgressText(90, 50), "  1.50 min  =  50 %");
  EXPECT_EQ(TotalTimeText(2.25), "  t = 2.25 sec");
  EXPECT_EQ(TotalTimeText(75), "  t = 1.25 min");
}

TEST(MapLegend, LabelsAndNotes) {
  EXPECT_EQ(LegendText(-1, quorla::Language::English), "* 3.1 x 2.2  km  Non-interpolated altitudes in DTM files  ");
  EXPECT_EQ(LegendText(9, quorla::Language::English), "100 x 70  km");
  EXPECT_EQ(LegendText(16, quorla::Language::English), "2000 x 1400 km  Territory covered by DTM-HCM files  ");
}

}  // namespace
}  // namespace terrainmap
