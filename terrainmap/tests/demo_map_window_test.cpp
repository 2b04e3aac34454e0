// The map window on the demo terrain directory the build made (terrain tiles, world map database
// in "#orbis", border lines in "#border", towns in "#mrf_vct"), as a new user first sees it:
// town names drawn up to size 15 and none above, in both languages, with screenshots for the
// README in build/default/screenshots/.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <sstream>

#include "overlays/road_set.h"
#include "stream_host.h"
#include "terrain_settings.h"
#include "testing/scripted_host.h"
#include "ui/map_window.h"
#include "world_atlas.h"

namespace terrainmap {
namespace {

namespace fs = std::filesystem;

QApplication& App() {
  static int argc = 1;
  static char name[] = "demo_map_window_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// Pixels in the grey (220, 220, 220) behind the town names.
int NameBackgroundPixels(const QImage& picture) {
  int n = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) n += (picture.pixel(x, y) & 0xFFFFFFu) == 0xDCDCDCu;
  return n;
}

TEST(DemoMapWindow, TownsAndBordersOfTheDemoInBothLanguages) {
  const std::string topo = std::string(QUORLA_BUILD_DATA) + "/demo/topo";
  if (!fs::exists(topo + "/#mrf_vct") || !fs::exists(topo + "/#orbis")) GTEST_SKIP() << "no demo data in " << topo;
  App();
  quorla::SetTerrainDirectory(topo);
  std::ostringstream atlasMessages;
  quorla::geoatlas::StreamHost atlasHost(atlasMessages);
  quorla::geoatlas::WorldAtlas atlas(atlasHost, quorla::geoatlas::AtlasPlaces{"", {topo + "/#orbis/"}});
  const std::string shots = std::string(QUORLA_SCREENSHOT_DIR);
  fs::create_directories(shots);
  for (const auto language : {quorla::Language::English, quorla::Language::Czech}) {
    const std::string tag = language == quorla::Language::English ? "en" : "cs";
    SCOPED_TRACE(tag);
    MapOpening o;
    o.language = language;
    o.caption = " MIRANDEX: ";
    o.kind = 1;
    o.coords = "016E3600,49N1200";  // Brno
    o.radiusKm = 20;
    o.directories = {topo, topo + "/#border"};
    o.worldMapUsable = true;
    o.roadsAndTownsAvailable = RoadsAndTownsAvailable(RoadDirectory(topo));
    ASSERT_TRUE(o.roadsAndTownsAvailable);
    quorla::ScriptedHost host;
    ui::MapWindow w(nullptr, host, o, &atlas, {}, {});
    w.resize(1000, 760);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.presenter().Open();
    for (const int size : {9, 13, 18}) {
      SCOPED_TRACE(size);
      w.presenter().SelectSize(size);
      ASSERT_TRUE(QTest::qWaitFor([&] { return !w.presenter().drawing(); }, 20000));
      const int names = NameBackgroundPixels(w.area().picture());
      // One name's box is some hundreds of pixels; a few such pixels also lie where the territory
      // squares meet the graticule.
      if (size <= 15) EXPECT_GT(names, 1000);
      else EXPECT_LT(names, 100);
      EXPECT_TRUE(w.grab().save(QString::fromStdString(shots + "/demo_map_" + tag + "_" + std::to_string(size) + ".png")));
    }
  }
  EXPECT_EQ(atlasMessages.str(), "");
}

}  // namespace
}  // namespace terrainmap
