// The Info dialog of [4Z]: the altitude at the form's position from generated terrain tiles, the
// editor's terrain directory checked and kept, and " ???" without terrain data.
#include "forms/altitude_line.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "forms/tests/scripted_library_calls.h"
#include "point_altitude.h"
#include "terrain/tile_generator.h"
#include "tests/scratch_folder.h"

namespace recbook::testing {
namespace {

class AltitudeLine : public ::testing::Test {
 protected:
  void SetUp() override { quorla::SetTerrainDirectory(""); }
  void TearDown() override {
    quorla::PointAltitude(-999, 0);
    quorla::SetTerrainDirectory("");
  }

  ScriptedLibraryCalls calls_;
  ScratchFolder scratch_;
};

TEST_F(AltitudeLine, HeightAtTheFormsPositionFromTheCheckedDirectory) {
  const std::string topo = scratch_.path() + "topo";
  ASSERT_EQ(terrainmap::GenerateTerrainTiles(topo, {14, 49, 16, 50}), terrainmap::GenerateStatus::Ok);
  quorla::SetTerrainDirectory("/old/dir");
  calls_.terrainDirectory = topo;
  // Grid points of the 3" tiles, where the interpolated height is the stored one.
  struct Position {
    const char* item;
    double lon, lat;
  };
  for (const auto& [position, lon, lat] : {Position{"015E000049N3000", 15.0, 49.5}, Position{"014E300049N1500", 14.5, 49.25}}) {
    SCOPED_TRACE(position);
    for (const auto language : {quorla::Language::English, quorla::Language::Czech}) {
      const InfoRequest request = RequestOf(Item::k4Z, {{Item::k4C, position}}, language);
      char height[32];
      std::snprintf(height, sizeof height, "%d m", terrainmap::SyntheticHeight(lon, lat));
      const std::string where = BoxText(request.texts, kLongitudeBox) + ", " + BoxText(request.texts, kLatitudeBox);
      const std::string label = language == quorla::Language::English ? "Alti DTM (" : "n.m.v. DTM (";
      EXPECT_EQ(recbook::AltitudeLine(request, calls_), label + where + ")  = " + height);
    }
  }
  EXPECT_EQ(calls_.checkedDirectory, topo);  // the second call checks the kept directory
  EXPECT_EQ(quorla::TerrainDirectory(), topo);
}

TEST_F(AltitudeLine, NoTerrainDataGivesQuestionMarks) {
  const std::string topo = scratch_.path() + "topo";
  ASSERT_EQ(terrainmap::GenerateTerrainTiles(topo, {14, 49, 15, 50}), terrainmap::GenerateStatus::Ok);
  struct Case {
    const char* directory;
    const char* position;
  };
  for (const Case& c : {Case{"", "014E300049N3000"}, Case{topo.c_str(), "020E000049N3000"},
                        Case{topo.c_str(), "014E300049S3000"}}) {
    SCOPED_TRACE(c.position);
    calls_.terrainDirectory = c.directory;
    const std::string line = recbook::AltitudeLine(RequestOf(Item::k4Z, {{Item::k4C, c.position}}), calls_);
    EXPECT_EQ(line.substr(line.size() - 9), ")  =  ???");
    EXPECT_EQ(quorla::TerrainDirectory(), c.directory);
  }
}

}  // namespace
}  // namespace recbook::testing
