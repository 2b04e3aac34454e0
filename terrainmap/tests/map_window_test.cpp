// The map window offscreen on generated tiles: the drawing thread to its end at sizes 9, 13 and
// 18 in both languages (screenshots for people to look at), Close during a drawing, repeated
// drawing requests, and MAPAHCM without a terrain directory.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <memory>

#include "map_params.h"
#include "platform_paths.h"
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
  for (const auto language : {quorla::Language::English, quorla::Language::Czech}) {
    const std::string tag = language == quorla::Language::English ? "en" : "cs";
    ui::MapWindow w(nullptr, host_, Opening(language), nullptr, {}, {});
    w.resize(900, 700);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.presenter().Open();
    ASSERT_TRUE(WaitForDrawing(w));
    EXPECT_EQ(w.presenter().sizeIndex(), 8);  // 2.2 x 20 km: the first height above 44 km is 46 km
    std::string latest;
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

TEST_F(MapWindowTest, NothingOfADrawingLetGoReachesTheWindow) {
  QObject receiver;
  int texts = 0, finished = 0;
  ui::MapDrawingWorker worker(
      &receiver, [&](const std::string&) { ++texts; }, [&](ui::DrawingResult) { ++finished; });
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
  QObject receiver;
  int finished = 0, width = 0;
  ui::MapDrawingWorker worker(
      &receiver, [](const std::string&) {},
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
