// The map window's presenter through a recording view and the scripted Host: opening rules,
// titles, menu states during and after a drawing, the mouse modes with their status texts, the
// hover readout, the clipboard message and Transfer's written-back text.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "testing/scripted_host.h"
#include "ini_file.h"
#include "windows/map_presenter.h"
#include "windows/world_map_setup.h"

namespace terrainmap {
namespace {

using quorla::Language;

class RecordingView : public MapView {
 public:
  void SetTitle(std::string_view t) override { title = t; }
  void SetStatus(std::string_view t) override { status = t; }
  void SetSizeSelection(int i) override { size = i; }
  void SetMenuItem(MapCommand c, bool enabled, bool checked) override { menu[c] = {enabled, checked}; }
  void SetControlsEnabled(bool e, bool t) override {
    controls = e;
    transfer = t;
  }
  void SetMouseMode(MouseMode m) override { mode = m; }
  int MapWidth() const override { return width; }
  int MapHeight() const override { return 500; }
  void StartDrawing(const MapRequest& r) override { requests.push_back(r); }
  void ShowMarker(const GeoPoint& m) override { shownMarker = m; }
  void SetRubberBand(std::optional<std::vector<PixelPoint>> o) override { band = std::move(o); }
  void CopyToClipboard(bool withMarker) override { copies.push_back(withMarker); }
  void Minimize() override {}
  void Maximize() override {}
  std::optional<GeoPoint> AskMarkerWgs84(const GeoPoint&) override { return typed; }
  std::optional<GeoPoint> AskMarkerOtherSystem(const GeoPoint&) override { return typed; }
  std::optional<MapDirectories> AskDirectories() override { return directories; }
  void AskEntryBoxProperties() override {}
  void Close(int r) override { closed = r; }

  int width = 700;
  std::string title, status;
  int size = -99;
  std::map<MapCommand, std::pair<bool, bool>> menu;
  bool controls = true, transfer = true;
  MouseMode mode = MouseMode::Move;
  std::vector<MapRequest> requests;
  std::optional<GeoPoint> shownMarker, typed;
  std::optional<MapDirectories> directories;
  std::optional<std::vector<PixelPoint>> band;
  std::vector<bool> copies;
  std::optional<int> closed;
};

MapOpening Opening(int kind, std::string coords, int radius, Language l = Language::English) {
  MapOpening o;
  o.language = l;
  o.caption = "Ed";
  o.kind = kind;
  o.coords = std::move(coords);
  o.radiusKm = radius;
  o.directories = {"/dtm", "/border"};
  o.worldMapUsable = true;
  return o;
}

struct Fixture {
  explicit Fixture(MapOpening o, MapLookups lookups = {}) : presenter(view, host, std::move(o), std::move(lookups)) {
    presenter.Open();
  }
  RecordingView view;
  quorla::ScriptedHost host;
  MapPresenter presenter;
};

TEST(MapPresenter, OpeningRulesAndTitles) {
  const struct {
    int kind;
    const char* coords;
    int radius, width;
    Language language;
    int size;
    double lon, lat;
    bool marker;
    double drawnRadius;
    const char* title;
  } kCases[] = {
      {0, "", 0, 700, Language::English, 9, 15, 50, false, 0,
       "Ed  Map viewer  (ver.2.8),  DTM directory  /dtm"},
      {1, "015E3000,49N1500", 30, 700, Language::English, 9, 15.5, 49.25, true, 30,
       "Ed  Position of transmitter in map  (ver.2.8),  DTM directory  /dtm,  R(serv.area) =30km"},
      {2, "015E3000,49N1500", 1, 400, Language::English, 1, 15.5, 49.25, true, 1,
       "Ed  Position of receiver in map  (ver.2.8),  DTM directory  /dtm"},
      {2, "015E3000,49N1500", 1000, 700, Language::Czech, 15, 15.5, 49.25, true, 1000,
       "Ed  Poloha přijímače v mapě  (ver.2.8),  adresář DMT  /dtm,  R(obsl.oblast) =1000km"},
      {1, "015E3000,49N1500", -1, 700, Language::English, 18, 15, 50, true, 0,
       "Ed  Position of transmitter in map  (ver.2.8),  DTM directory  /dtm"},
      // An invalid position: no station, no marker and no circle.
      {1, "015E6100,49N1500", 30, 700, Language::English, 9, 15, 50, false, 0,
       "Ed  Position of transmitter in map  (ver.2.8),  DTM directory  /dtm"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.title);
    RecordingView view;
    view.width = c.width;
    quorla::ScriptedHost host;
    MapPresenter p(view, host, Opening(c.kind, c.coords, c.radius, c.language), {});
    p.Open();
    EXPECT_EQ(view.title, c.title);
    EXPECT_EQ(view.size, c.size);
    ASSERT_EQ(view.requests.size(), 1u);
    const MapRequest& r = view.requests[0];
    EXPECT_EQ(r.sizeIndex, c.size);
    EXPECT_DOUBLE_EQ(r.lon, c.lon);
    EXPECT_DOUBLE_EQ(r.lat, c.lat);
    EXPECT_EQ(r.marker.has_value(), c.marker);
    EXPECT_EQ(r.radiusKm, c.drawnRadius);
  }
}

TEST(MapPresenter, ControlsAndMenuDuringAndAfterDrawing) {
  Fixture f(Opening(1, "015E3000,49N1500", 30));
  EXPECT_TRUE(f.presenter.drawing());
  EXPECT_FALSE(f.view.controls);
  EXPECT_FALSE(f.view.transfer);
  f.presenter.SelectSize(12);  // ignored while drawing
  f.presenter.Command(MapCommand::Redraw);
  EXPECT_EQ(f.view.requests.size(), 1u);
  f.presenter.DrawingFinished(true);
  EXPECT_TRUE(f.view.controls);
  EXPECT_TRUE(f.view.transfer);
  using M = std::pair<bool, bool>;
  EXPECT_EQ(f.view.menu[MapCommand::DetailBack], M(false, false));
  EXPECT_EQ(f.view.menu[MapCommand::WorldAboveSize9], M(true, true));
  EXPECT_EQ(f.view.menu[MapCommand::WorldAlways], M(true, false));
  EXPECT_EQ(f.view.menu[MapCommand::RoadsAndTowns], M(false, false));  // no road files
  EXPECT_EQ(f.view.menu[MapCommand::ModeMarker], M(true, true));
  EXPECT_EQ(f.view.menu[MapCommand::FormatDms], M(true, true));

  f.presenter.Command(MapCommand::WorldAlways);
  ASSERT_EQ(f.view.requests.size(), 2u);
  EXPECT_EQ(f.view.requests.back().worldBorders, WorldBorders::Always);
  f.presenter.DrawingFinished(true);
  EXPECT_EQ(f.view.menu[MapCommand::WorldAlways], M(true, true));
  f.presenter.SelectSize(12);
  EXPECT_EQ(f.view.size, 12);
  f.presenter.DrawingFinished(true);
  EXPECT_EQ(f.view.menu[MapCommand::DetailBack], M(true, false));
  f.presenter.Command(MapCommand::DetailBack);
  EXPECT_EQ(f.view.requests.back().sizeIndex, 9);
  EXPECT_EQ(f.view.size, 9);

  // Without a marker there is no distance from it: the mode is refused with a beep.
  Fixture plain(Opening(0, "", 0));
  plain.presenter.DrawingFinished(true);
  EXPECT_EQ(plain.view.menu[MapCommand::ModeFromMarker], M(false, false));
  plain.presenter.Command(MapCommand::ModeFromMarker);
  EXPECT_EQ(plain.presenter.mouseMode(), MouseMode::Marker);
  EXPECT_EQ(plain.host.beeps(), 1);
  plain.presenter.MouseDown(100, 100);  // a marker now: the mode is offered
  plain.presenter.Command(MapCommand::ModeFromMarker);
  EXPECT_EQ(plain.presenter.mouseMode(), MouseMode::FromMarker);
  EXPECT_EQ(plain.view.menu[MapCommand::ModeFromMarker], M(true, true));

  // Kind 0 never enables Transfer, not even with a marker.
  Fixture launcher(Opening(0, "015E3000,49N1500", 0));
  launcher.presenter.DrawingFinished(true);
  launcher.presenter.MouseDown(100, 100);
  EXPECT_FALSE(launcher.view.transfer);
  launcher.presenter.Transfer();
  EXPECT_FALSE(launcher.view.closed);
}

TEST(MapPresenter, ModeHintsAndMeasurements) {
  Fixture f(Opening(1, "015E3000,49N1500", 0));
  f.presenter.DrawingFinished(true);
  const struct {
    MapCommand command;
    MouseMode mode;
    const char* hint;
  } kModes[] = {
      {MapCommand::ModeMove, MouseMode::Move, " Map mooving by left mouse button click and move"},
      {MapCommand::ModeDetail, MouseMode::Detail, " Detail of map by left mouse button click and move"},
      {MapCommand::ModeTwoPoints, MouseMode::TwoPoints,
       " Dist. measur. between 2 points by left mouse button click and move"},
      {MapCommand::ModeFromMarker, MouseMode::FromMarker, " ... print D, Az by left mouse button click"},
      {MapCommand::ModeMarker, MouseMode::Marker, " Marker setting by left mouse button click"},
  };
  for (const auto& m : kModes) {
    f.presenter.Command(m.command);
    EXPECT_EQ(f.view.status, m.hint);
    EXPECT_EQ(f.view.mode, m.mode);
  }
  // The marker at the centre pixel (350, 250) is the map centre.
  f.presenter.MouseDown(350, 250);
  ASSERT_TRUE(f.view.shownMarker);
  EXPECT_NEAR(f.view.shownMarker->lon, 15.5, 1e-9);
  EXPECT_NEAR(f.view.shownMarker->lat, 49.25, 1e-9);
  EXPECT_EQ(f.view.status, " 015 E 30 00, 49 N 15 00");

  // Straight north of the marker: azimuth 0. The map is 70 km high over 500 pixels.
  f.presenter.Command(MapCommand::ModeFromMarker);
  f.presenter.MouseDown(350, 250 - 500.0 * 5 / 70);
  EXPECT_EQ(f.view.status.substr(0, 4), " D =");
  EXPECT_NE(f.view.status.find(" m,  Az =0.0°"), std::string::npos) << f.view.status;
  f.presenter.Command(MapCommand::ModeTwoPoints);
  f.presenter.MouseDown(350, 0);
  f.presenter.MouseMove(350, 500, true);
  ASSERT_TRUE(f.view.band);
  EXPECT_EQ(f.view.band->size(), 2u);
  EXPECT_NE(f.view.status.find(" km,  Az =180.0°"), std::string::npos) << f.view.status;
  f.presenter.MouseUp(350, 500);
  EXPECT_FALSE(f.view.band);

  // A detail rectangle of a quarter of the map's height chooses a smaller size and keeps the old.
  f.presenter.Command(MapCommand::ModeDetail);
  f.presenter.MouseDown(300, 200);
  f.presenter.MouseMove(400, 300, true);
  EXPECT_EQ(f.view.band->size(), 5u);
  f.presenter.MouseUp(400, 300);
  EXPECT_EQ(f.view.requests.back().sizeIndex, 5);  // 21 x 15 km covers 14 x 14 km; 14 x 10 km does not
  EXPECT_EQ(f.view.size, 5);
  f.presenter.DrawingFinished(true);
  f.presenter.Command(MapCommand::DetailBack);
  EXPECT_EQ(f.view.requests.back().sizeIndex, 9);

  // Moving: the point dragged follows the mouse.
  f.presenter.DrawingFinished(true);
  f.presenter.Command(MapCommand::ModeMove);
  const double lon = f.presenter.centre().lon;
  f.presenter.MouseDown(400, 250);
  f.presenter.MouseUp(300, 250);
  EXPECT_GT(f.presenter.centre().lon, lon);
  EXPECT_EQ(f.view.requests.back().lon, f.presenter.centre().lon);
}

TEST(MapPresenter, HoverReadoutAndCountryRing) {
  // A border along 15.5E: west "CZE", east "AUT"; the sea north of 49.5N.
  MapLookups lookups;
  lookups.country = [](double lon, double lat) { return lat > 49.5 ? std::string("   ") : lon < 15.5 ? "CZE" : "AUT"; };
  lookups.height = [](double, double) { return 523.4f; };
  Fixture f(Opening(1, "015E3000,49N1500", 0), lookups);
  f.presenter.DrawingFinished(true);
  f.presenter.MouseMove(100, 250, false);  // about 48 km west of the border at size 9
  EXPECT_EQ(f.view.status.substr(f.view.status.find(", 49 N 15 00")), ", 49 N 15 00   CZE   Alti =523.4 m");
  f.presenter.MouseMove(352, 250, false);  // within 8 km of the border
  EXPECT_NE(f.view.status.find("   AUT?   Alti ="), std::string::npos) << f.view.status;
  f.presenter.Command(MapCommand::FormatDecimal);
  f.presenter.MouseMove(350, 0, false);
  EXPECT_EQ(f.view.status.substr(0, 20), " 15.50000, 49.56466 ");
  EXPECT_NE(f.view.status.find("   sea?"), std::string::npos) << f.view.status;
  f.presenter.SelectSize(12);  // from size 12 no ring
  f.presenter.DrawingFinished(true);
  f.presenter.MouseMove(351, 250, false);
  EXPECT_NE(f.view.status.find("   AUT   Alti ="), std::string::npos) << f.view.status;
  f.presenter.SelectSize(16);  // from size 16 no height
  f.presenter.DrawingFinished(true);
  f.presenter.MouseMove(351, 250, false);
  EXPECT_EQ(f.view.status.find("Alti"), std::string::npos) << f.view.status;
}

TEST(MapPresenter, ClipboardTransferAndClose) {
  Fixture f(Opening(2, "015E3000,49N1500", 10));
  f.presenter.DrawingFinished(true);
  f.host.ExpectMessage("Map  was  saved  into  Clipboard.  ", "Ed Clipboard Info", quorla::Buttons::Ok,
                       quorla::Icon::Information);
  f.presenter.Command(MapCommand::ClipboardWithoutMarker);
  EXPECT_EQ(f.view.copies, std::vector<bool>{false});
  f.view.typed = GeoPoint{16.25, 48.5};
  f.presenter.Command(MapCommand::MarkerWgs84);
  EXPECT_DOUBLE_EQ(f.view.requests.back().lon, 16.25);
  f.presenter.Transfer();  // not while drawing
  EXPECT_FALSE(f.view.closed);
  f.presenter.DrawingFinished(true);
  f.presenter.Transfer();
  EXPECT_EQ(f.view.closed, 1);
  EXPECT_EQ(f.presenter.result(), "016E1500,48N3000");
  f.host.VerifyAllConsumed();

  Fixture czech(Opening(1, "", 0, Language::Czech));
  czech.presenter.DrawingFinished(true);
  czech.host.ExpectMessage("Mapa  byla  uložena  do  schránky.  ", "Ed Schránka Info", quorla::Buttons::Ok,
                           quorla::Icon::Information);
  czech.presenter.Command(MapCommand::Clipboard);
  czech.presenter.CloseWindow();
  EXPECT_EQ(czech.view.closed, 0);
  czech.host.VerifyAllConsumed();
}

// The directory dialog from the menu: on OK the world map setup and the road and town setup run
// again for the new terrain directory, the title names it, the menu follows and the map is redrawn.
TEST(MapPresenter, NewDirectoriesSetUpWorldMapRoadsAndTownsAgain) {
  namespace fs = std::filesystem;
  const fs::path root = fs::temp_directory_path() / ("quorla_map_dirs_" + std::to_string(::getpid()));
  fs::create_directories(root / "roads" / "#mrf_vct");
  fs::create_directories(root / "plain");
  std::ofstream(root / "roads" / "#mrf_vct" / "OBCEJME.BDT") << "x";
  std::ofstream(root / "roads" / "#mrf_vct" / "vobce12.bd") << "x";
  const std::string roads = (root / "roads").string(), plain = (root / "plain").string();
  const struct {
    std::optional<MapDirectories> chosen;  // nullopt: the dialog cancelled
    bool worldUsable;                      // what the setup finds for the new directory
    bool redrawn, roadsAndTowns, world;
  } kCases[] = {
      {std::nullopt, false, false, false, true},
      {MapDirectories{roads, "/b2"}, true, true, true, true},
      {MapDirectories{plain, ""}, false, true, false, false},
      {MapDirectories{"", ""}, true, false, false, true},  // never current: the dialog insists on one
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.chosen ? c.chosen->terrain : "cancelled");
    std::vector<std::string> setUps;
    MapLookups lookups;
    lookups.country = [](double, double) { return std::string("CZE"); };
    lookups.setUpWorldMap = [&](const std::string& dir) {
      setUps.push_back(dir);
      return c.worldUsable;
    };
    Fixture f(Opening(0, "", 0), lookups);
    f.presenter.DrawingFinished(true);
    const std::string title = f.view.title;
    f.view.directories = c.chosen;
    f.presenter.Command(MapCommand::Directories);
    ASSERT_EQ(f.view.requests.size(), c.redrawn ? 2u : 1u);
    EXPECT_EQ(setUps, c.redrawn ? std::vector<std::string>{c.chosen->terrain} : std::vector<std::string>{});
    EXPECT_EQ(f.presenter.worldMapUsable(), c.world);
    if (c.redrawn) {
      const MapRequest& r = f.view.requests.back();
      EXPECT_EQ(r.terrainDir, c.chosen->terrain);
      EXPECT_EQ(r.borderDir, c.chosen->border);
      EXPECT_EQ(r.roadsAndTowns, c.roadsAndTowns);
      EXPECT_EQ(f.view.title, "Ed  Map viewer  (ver.2.8),  DTM directory  " + c.chosen->terrain);
      f.presenter.DrawingFinished(true);
    } else {
      EXPECT_EQ(f.view.title, title);
    }
    using M = std::pair<bool, bool>;
    EXPECT_EQ(f.view.menu[MapCommand::RoadsAndTowns], M(c.roadsAndTowns, c.roadsAndTowns));
    EXPECT_EQ(f.view.menu[MapCommand::NoRoadsAndTowns], M(c.roadsAndTowns, false));
    EXPECT_EQ(f.view.menu[MapCommand::WorldAboveSize9], M(c.world, true));
    f.presenter.MouseMove(100, 100, false);
    EXPECT_EQ(f.view.status.find("CZE") != std::string::npos, c.world) << f.view.status;
  }
  fs::remove_all(root);
}

}  // namespace
}  // namespace terrainmap

namespace terrainmap {
namespace {

TEST(WorldMapSetup, StatusByWhereTheFilesAre) {
  namespace fs = std::filesystem;
  const fs::path root = fs::temp_directory_path() / ("quorla_world_setup_" + std::to_string(::getpid()));
  fs::remove_all(root);
  auto files = [](const fs::path& folder) {
    fs::create_directories(folder);
    std::ofstream(folder / "GEOIDX1.BIN") << "x";
    std::ofstream(folder / "geopnt1.bin") << "x";
  };
  const WorldMapPlaces places{(root / "ATLASCFG.INI").string(), (root / "geo/").string()};
  const std::string dtm = (root / "dtm").string();
  fs::create_directories(dtm);
  EXPECT_EQ(SetUpWorldMap(dtm, places), -1);
  files(root / "dtm" / "#orbis");
  EXPECT_EQ(SetUpWorldMap(dtm, places), 4);  // no entry before: written
  EXPECT_EQ(quorla::GetProfileString(places.iniPath, "ORBIS", "ORBIS_DataFileDir", ""), dtm + "/#orbis/");
  EXPECT_EQ(SetUpWorldMap(dtm, places), 2);  // the entry now names a folder with the files
  quorla::WriteProfileString(places.iniPath, "ORBIS", "ORBIS_DataFileDir", (root / "old/").string());
  EXPECT_EQ(SetUpWorldMap(dtm, places), 3);  // a stale entry replaced
  files(root / "geo");
  EXPECT_EQ(SetUpWorldMap(dtm, places), 1);
  fs::remove_all(root);
}

}  // namespace
}  // namespace terrainmap
