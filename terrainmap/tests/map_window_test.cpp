// The map window offscreen on generated tiles: the drawing thread to its end at sizes 9, 13 and
// 18 in both languages (screenshots of the demo map, when the build made it, for people to look
// at), Close during a drawing, maximized and resized while drawing, repeated drawing requests, the
// marker typed in WGS-84, and MAPAHCM without a terrain directory.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "map_params.h"
#include "overlays/road_set.h"
#include "modal_dialogs.h"
#include "platform_paths.h"
#include "stream_host.h"
#include "world_atlas.h"
#include "terrain/tile_generator.h"
#include "terrain_fixture.h"
#include "ui/map_drawing_worker.h"
#include "ui/map_window.h"
#include "testing/scripted_host.h"

namespace terrainmap {
namespace {

namespace fs = std::filesystem;

QApplication& App() {
  static int argc = 1;
  static char name[] = "map_window_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

class MapWindowTest : public test::TerrainDirTest {
 protected:
  void SetUp() override {
    App();
    TerrainDirTest::SetUp();
    ASSERT_EQ(GenerateTerrainTiles(dir_.string(), {14, 49, 16, 51}), GenerateStatus::Ok);
  }
  MapOpening Opening(quorla::Language language) const {
    MapOpening o;
    o.language = language;
    o.caption = "Test";
    o.kind = 1;
    o.coords = "015E0000,50N0000";
    o.radiusKm = 20;
    o.directories = {dir_.string(), ""};
    return o;
  }
  static bool WaitForDrawing(ui::MapWindow& w) {
    return QTest::qWaitFor([&] { return !w.presenter().drawing(); }, 20000);
  }
  quorla::ScriptedHost host_;
};

TEST_F(MapWindowTest, DrawsEachSizeInBothLanguages) {
  // The demo terrain directory (with its towns), the world map database and the border lines
  // the build made, when it made them, so that the pictures show the overlays as well.
  std::ostringstream atlasMessages;
  quorla::geoatlas::StreamHost atlasHost(atlasMessages);
  quorla::geoatlas::WorldAtlas atlas(atlasHost, {"", {QUORLA_BUILD_DATA "/"}});
  const bool world = fs::exists(QUORLA_BUILD_DATA "/GEOIDX1.BIN");
  if (world) atlas.Wdbunit(72);
  for (const auto language : {quorla::Language::English, quorla::Language::Czech}) {
    const std::string tag = language == quorla::Language::English ? "en" : "cs";
    MapOpening opening = Opening(language);
    opening.worldMapUsable = world;
    if (fs::is_directory(QUORLA_BUILD_DATA "/demo/topo")) {
      opening.directories.terrain = QUORLA_BUILD_DATA "/demo/topo";
      opening.roadsAndTownsAvailable = RoadsAndTownsAvailable(RoadDirectory(opening.directories.terrain));
    }
    if (fs::is_directory(QUORLA_BUILD_DATA "/border")) opening.directories.border = QUORLA_BUILD_DATA "/border";
    ui::MapWindow w(nullptr, host_, opening, world ? &atlas : nullptr, {}, {});
    w.resize(900, 700);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.presenter().Open();
    ASSERT_TRUE(WaitForDrawing(w));
    EXPECT_EQ(w.presenter().sizeIndex(), 8);  // 2.2 x 20 km: the first height above 44 km is 46 km
    for (const int size : {9, 13, 18}) {
      SCOPED_TRACE(size);
      w.presenter().SelectSize(size);
      ASSERT_TRUE(WaitForDrawing(w));
      EXPECT_EQ(w.area().picture().size(), w.area().size());
      // Near the map centre (15E 50N), on a tile but off the marker: coloured below size 16, the
      // territory colour above.
      const QPoint centre = size == 18 ? QPoint(w.area().width() / 2 - 5, w.area().height() / 2 - 8)
                                       : QPoint(w.area().width() / 2 + 40, w.area().height() / 2 + 40);
      const QRgb pixel = w.area().picture().pixel(centre) & 0xFFFFFF;
      EXPECT_NE(pixel, 0xFFFFFFu);
      if (size == 18) EXPECT_EQ(pixel, 0xDCDCB4u);
      w.grab().save(QString::fromStdString(std::string(TERRAINMAP_SCREENSHOT_DIR) + "/map_window_" + tag + "_" +
                                           std::to_string(size) + ".png"));
    }
    EXPECT_NE(w.windowTitle().toStdString().find(language == quorla::Language::English ? ",  R(serv.area) =20km"
                                                                                        : ",  R(obsl.oblast) =20km"),
              std::string::npos);
    // The saved images without the marker: the newest is kept until the window goes.
    const auto images = fs::directory_iterator(quorla::PrivateTempDirectory());
    int count = 0;
    for (const auto& e : images) count += e.path().filename().string().rfind("#mp", 0) == 0;
    EXPECT_GE(count, 1);
  }
}

TEST_F(MapWindowTest, CloseDuringDrawingReturnsAtOnce) {
  auto w = std::make_unique<ui::MapWindow>(nullptr, host_, Opening(quorla::Language::English), nullptr,
                                           GeoBoxProperties{}, ui::MapWindowDialogs{});
  w->resize(1300, 1000);
  w->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
  w->presenter().Open();
  QTest::qWait(20);
  ASSERT_TRUE(w->presenter().drawing());
  // Close waits for nothing: the window is hidden and the drawing let go (the figure itself is
  // measured by bench/map_close_bench, not here).
  QElapsedTimer t;
  t.start();
  w->presenter().CloseWindow();
  EXPECT_LT(t.elapsed(), 1000);
  EXPECT_FALSE(w->isVisible());
  EXPECT_EQ(w->result(), 0);
  // The window goes while its drawing may still be ending; nothing of that drawing may reach it.
  w.reset();
  QTest::qWait(50);
}

// A maximized window keeps its size hints free while it draws (a window manager ends maximized for
// a fixed size), and a size changed during a drawing is drawn again once the drawing ends.
TEST_F(MapWindowTest, MaximizedWhileDrawingAndResizedDuringADrawing) {
  ui::MapWindow w(nullptr, host_, Opening(quorla::Language::English), nullptr, {}, {});
  w.resize(700, 560);
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  w.presenter().Open();
  ASSERT_TRUE(w.presenter().drawing());
  EXPECT_EQ(w.minimumSize(), w.maximumSize());  // a normal window is held at its size
  ASSERT_TRUE(WaitForDrawing(w));
  w.presenter().Command(MapCommand::Maximize);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.presenter().drawing(); }, 5000));  // drawn again for the new size
  EXPECT_EQ(w.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
  const int maximizedWidth = w.area().width();
  w.showNormal();  // while it draws
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return !w.presenter().drawing() && w.area().picture().size() == w.area().size(); }, 20000));
  EXPECT_LT(w.area().width(), maximizedWidth);
}

TEST_F(MapWindowTest, NothingOfADrawingLetGoReachesTheWindow) {
  int texts = 0, finished = 0;
  ui::MapDrawingWorker worker([&](const std::string&) { ++texts; }, [&](ui::DrawingResult) { ++finished; });
  MapRequest r;
  r.terrainDir = dir_.string();
  worker.Start(r, 1300, 900, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return texts >= 2; }, 20000));  // the height grid is being read
  worker.Stop();
  const int textsAtStop = texts;
  QTest::qWait(300);  // the thread ends at its next column; what it had queued arrives now
  EXPECT_EQ(texts, textsAtStop);
  EXPECT_EQ(finished, 0);
}

TEST_F(MapWindowTest, RepeatedRequestsEndInTheLastOne) {
  int finished = 0, width = 0;
  ui::MapDrawingWorker worker(
      [](const std::string&) {},
      [&](ui::DrawingResult r) {
        ++finished;
        width = r.map.width();
        EXPECT_TRUE(r.completed);
      });
  MapRequest r;
  r.terrainDir = dir_.string();
  for (int i = 0; i < 5; ++i) worker.Start(r, 600 + 10 * i, 400, nullptr);
  ASSERT_TRUE(QTest::qWaitFor([&] { return finished > 0; }, 20000));
  QTest::qWait(50);
  EXPECT_EQ(finished, 1);
  EXPECT_EQ(width, 640);
}

// The marker typed in WGS-84, key by key: a valid position moves the marker and the map centre and
// draws again; 180 degrees of longitude or 90 of latitude (which the boxes let through) are refused
// with the message and the dialog stays open for a correction; Cancel changes nothing.
TEST_F(MapWindowTest, MarkerTypedInWgs84) {
  const struct {
    quorla::Language language;
    const char *lonKeys, *latKeys;    // typed into the boxes from their focus selection ("*" selects all)
    const char *lonShown, *latShown;  // what the boxes then hold
    const char* refusal;              // the message of a refused OK, then the correction typed
    bool latWrong;                    // which box the correction goes to
    const char *fixKeys, *fixShown;
    bool cancel;
    double lon, lat;  // the marker afterwards
  } kCases[] = {
      {quorla::Language::English, "1623", "4915", "016 E 23 00", "49 N 15 00", nullptr, false, "", "", false,
       16 + 23 / 60.0, 49.25},
      {quorla::Language::English, "*180", "4915", "180 E 00 00", "49 N 15 00",
       "Uncorrect value of Geo.coordinates  !!  ", false, "01745", "017 E 45 00", false, 17.75, 49.25},
      {quorla::Language::Czech, "1623", "90", "016 E 23 00", "90 N 00 00", "Nesprávná hodnota Geo.souřadnic  !!  ",
       true, "4930", "49 N 30 00", false, 16 + 23 / 60.0, 49.5},
      {quorla::Language::English, "1623", "4915", "016 E 23 00", "49 N 15 00", nullptr, false, "", "", true, 15, 50},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.lonKeys) + " " + c.latKeys);
    const bool english = c.language == quorla::Language::English;
    ui::MapWindow w(nullptr, host_, Opening(c.language), nullptr, {}, {});
    w.resize(700, 560);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.presenter().Open();
    ASSERT_TRUE(WaitForDrawing(w));
    if (c.refusal) host_.ExpectMessage(c.refusal, english ? "Test Error" : "Test Chyba", quorla::Buttons::Ok,
                                       quorla::Icon::Error);
    bool answered = false;
    test::WhenModal([&](QDialog* d) {
      EXPECT_EQ(d->windowTitle().toStdString(), english ? "Test Input data" : "Test Vstupní data");
      ASSERT_TRUE(QTest::qWaitForWindowActive(d));
      const auto boxes = test::EntryBoxes(d);
      ASSERT_EQ(boxes.size(), 2u);
      EXPECT_EQ(boxes[0]->text(), "015 E 00 00");  // the marker's position to start from
      EXPECT_EQ(boxes[1]->text(), "50 N 00 00");
      const auto type = [](ui::GeoEntryEdit* box, const char* keys) {
        box->setFocus();
        for (const char* k = keys; *k; ++k) {
          if (*k == '*') QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
          else QTest::keyClick(box, *k);
        }
      };
      type(boxes[0], c.lonKeys);
      type(boxes[1], c.latKeys);
      EXPECT_EQ(boxes[0]->text().toStdString(), c.lonShown);
      EXPECT_EQ(boxes[1]->text().toStdString(), c.latShown);
      if (c.cancel) {
        test::Button(d, "&Cancel")->click();
        answered = true;
        return;
      }
      test::Button(d, "&OK")->click();
      if (c.refusal) {
        ASSERT_TRUE(d->isVisible());
        ui::GeoEntryEdit* wrong = boxes[c.latWrong ? 1 : 0];
        EXPECT_TRUE(wrong->hasFocus());
        type(wrong, c.fixKeys);  // into the whole text, selected by the refusal
        EXPECT_EQ(wrong->text().toStdString(), c.fixShown);
        test::Button(d, "&OK")->click();
      }
      EXPECT_FALSE(d->isVisible());
      answered = true;
    });
    w.presenter().Command(MapCommand::MarkerWgs84);
    EXPECT_TRUE(answered);
    host_.VerifyAllConsumed();
    ASSERT_TRUE(w.presenter().marker());
    EXPECT_NEAR(w.presenter().marker()->lon, c.lon, 1e-9);
    EXPECT_NEAR(w.presenter().marker()->lat, c.lat, 1e-9);
    EXPECT_NEAR(w.presenter().centre().lon, c.lon, 1e-9);
    EXPECT_EQ(w.presenter().drawing(), !c.cancel);  // a new drawing for the new centre
    ASSERT_TRUE(WaitForDrawing(w));
  }
}

TEST(Mapahcm, NoTerrainDirectoryAfterTheDialogReturnsZero) {
  App();
  const fs::path home = fs::temp_directory_path() / ("quorla_mapahcm_" + std::to_string(::getpid()));
  fs::create_directories(home / "data");
  ::setenv("QUORLA_CONFIG_HOME", home.c_str(), 1);
  ::setenv("QUORLA_DATA_DIR", (home / "data").c_str(), 1);
  MapViewerParams block{};
  block.kind = 1;
  std::snprintf(block.coords, sizeof block.coords, "015E0000,50N0000");
  bool dialogSeen = false;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      dialogSeen = true;
      static_cast<QDialog*>(modal)->reject();
    }
  });
  answer.start(50);
  EXPECT_EQ(MAPAHCM(&block), 0);
  EXPECT_TRUE(dialogSeen);
  EXPECT_STREQ(block.coords, "015E0000,50N0000");
  ::unsetenv("QUORLA_CONFIG_HOME");
  ::unsetenv("QUORLA_DATA_DIR");
  fs::remove_all(home);
}

}  // namespace
}  // namespace terrainmap
