// The Info dialog of [4C]: " C&onversion" and "from &Map" with the checks before each call, the
// blocks handed to the datum conversion dialog and the map viewer, and the position they give.
#include "forms/coordinates_dialog_presenter.h"

#include <gtest/gtest.h>

#include <memory>

#include "forms/tests/scripted_library_calls.h"
#include "tests/scratch_folder.h"
#include "testing/scripted_host.h"

namespace recbook::testing {
namespace {

using quorla::Buttons;
using quorla::Icon;

const std::string kCaption = " MIRANDEX: ";

class RecordingCoordinatesDialog : public CoordinatesDialogView {
 public:
  void ShowPosition(const std::string& lon, const std::string& lat) override { shown = lon + " | " + lat; }
  uint32_t WindowHandle() const override { return 4711; }
  void Close() override { closed = true; }
  std::string shown;
  bool closed = false;
};

class CoordinatesDialog : public ::testing::Test {
 protected:
  void TearDown() override { host_.VerifyAllConsumed(); }
  CoordinatesDialogPresenter& Open(std::initializer_list<Edit> edits,
                                   quorla::Language language = quorla::Language::English) {
    view_ = {};
    calls_.conversion.reset();
    dialog_ = std::make_unique<CoordinatesDialogPresenter>(host_, RequestOf(Item::k4C, edits, language), view_, calls_,
                                                           settings_);
    dialog_->Start();
    return *dialog_;
  }
  std::string StoredTerrain() { return settings_.QueryText(quorla::kQuorlaKey, "DtmHcm").value_or("(missing)"); }
  static BoxWrites Position(const std::string& lon, const std::string& lat) {
    return {{kLongitudeBox, lon}, {kLatitudeBox, lat}};
  }

  quorla::ScriptedHost host_;
  RecordingCoordinatesDialog view_;
  ScriptedLibraryCalls calls_;
  ScratchFolder scratch_;
  quorla::SettingsStore settings_{scratch_.path() + "registry.ini"};
  std::unique_ptr<CoordinatesDialogPresenter> dialog_;
};

TEST_F(CoordinatesDialog, ShowsThePositionOfTheBoxes) {
  EXPECT_EQ(Open({}).Title(), kCaption + "  [4C]  Geo. co-ordinates of station");
  EXPECT_EQ(view_.shown, "014 E 25 30 | 50 N 05 30");
  EXPECT_TRUE(dialog_->writes().empty());
}

// Each half is refused as the record check refuses it: no conversion dialog, nothing written.
TEST_F(CoordinatesDialog, ConversionRefusesAWrongPositionWithoutCallingTheDialog) {
  for (const char* position : {"181E000049N0000", "180E000049N0000", "014E600049N0000", "014E000090N0000",
                               "014E000049N0060"}) {
    SCOPED_TRACE(position);
    CoordinatesDialogPresenter& dialog = Open({{Item::k4C, position}});
    host_.ExpectMessage("Uncorrect value of Geo.coordinates  !!  ", kCaption + " Coordinates Error", Buttons::Ok,
                        Icon::Error);
    dialog.Conversion();
    EXPECT_FALSE(calls_.conversion.has_value());
    EXPECT_TRUE(dialog.writes().empty());
  }
  host_.ExpectMessage("Nesprávná hodnota Geo.souřadnic  !!  ", kCaption + " Chyba souřadnic", Buttons::Ok, Icon::Error);
  Open({{Item::k4C, "181E000049N0000"}}, quorla::Language::Czech).Conversion();
}

TEST_F(CoordinatesDialog, ConversionHandsThePositionToTheDialogAndTakesItsResult) {
  CoordinatesDialogPresenter& dialog = Open({});
  calls_.result = 1;
  calls_.coords = "014E2521,50N0528";
  dialog.Conversion();
  ASSERT_TRUE(calls_.conversion.has_value());
  const TransfSourParams& b = *calls_.conversion;
  const uint32_t parent = b.parent;  // packed members are read by value
  const int32_t x = b.x, y = b.y, buttons = b.buttons;
  EXPECT_EQ(parent, 4711u);
  EXPECT_EQ(x, -3);
  EXPECT_EQ(y, -2);
  EXPECT_EQ(+b.language, 0);
  EXPECT_EQ(BlockFieldText(b.caption), kCaption);
  EXPECT_EQ(+b.kind, 1);
  EXPECT_EQ(BlockFieldText(b.coords), "014E2530,50N0530");
  EXPECT_EQ(buttons, 0);
  EXPECT_EQ(dialog.writes(), Position("014 E 25 21", "50 N 05 28"));
  EXPECT_EQ(view_.shown, "014 E 25 21 | 50 N 05 28");
  EXPECT_FALSE(view_.closed);  // the [4C] dialog stays after a conversion
  // A second conversion starts from the converted position.
  calls_.coords = "014E2500,50N0500";
  dialog.Conversion();
  EXPECT_EQ(BlockFieldText(calls_.conversion->coords), "014E2521,50N0528");
  EXPECT_EQ(dialog.writes(), Position("014 E 25 00", "50 N 05 00"));
}

TEST_F(CoordinatesDialog, ConversionCancelledOrUnreadableTakesNothing) {
  struct Case {
    int result;
    const char* coords;
  };
  for (const Case& c : {Case{0, "015E0000,49N0000"}, Case{2, "015E0000,49N0000"}, Case{1, "015E0000"},
                        Case{1, "190E0000,49N0000"}, Case{1, ""}}) {
    SCOPED_TRACE(c.coords);
    CoordinatesDialogPresenter& dialog = Open({});
    calls_.result = c.result;
    calls_.coords = c.coords;
    dialog.Conversion();
    EXPECT_TRUE(dialog.writes().empty());
    EXPECT_EQ(view_.shown, "014 E 25 30 | 50 N 05 30");
  }
}

// Station kind: the receiver when [1A] is blank and [1Y] filled in; Czech is language byte 1.
TEST_F(CoordinatesDialog, ReceiverPositionAndCzechBlock) {
  Open({{Item::k1A, ""}}, quorla::Language::Czech).Conversion();
  EXPECT_EQ(calls_.conversion->kind, 2);
  EXPECT_EQ(calls_.conversion->language, 1);
  Open({{Item::k1A, ""}, {Item::k1Y, ""}}).Conversion();
  EXPECT_EQ(calls_.conversion->kind, 1);
}

TEST_F(CoordinatesDialog, MapWithoutTerrainDirectoryIsRefused) {
  CoordinatesDialogPresenter& dialog = Open({});
  settings_.SetText(quorla::kQuorlaKey, "DtmHcm", "/no/such/topo");
  calls_.terrainDirectory = "";
  host_.ExpectMessage(
      "There is no valid DTM directory setting in Registry  !!  \r\n\r\nUse menu ''Utilities'' for its setting.",
      kCaption + " DTM directory Error", Buttons::Ok, Icon::Error);
  dialog.FromMap();
  EXPECT_EQ(calls_.checkedDirectory, "/no/such/topo");
  EXPECT_FALSE(calls_.map.has_value());
  EXPECT_FALSE(view_.closed);
  EXPECT_TRUE(dialog.writes().empty());
  EXPECT_EQ(StoredTerrain(), "/no/such/topo");
}

TEST_F(CoordinatesDialog, MapStoresTheCheckedDirectoryAndTransfersThePosition) {
  CoordinatesDialogPresenter& dialog = Open({{Item::k4D, "   25"}});
  calls_.terrainDirectory = "/data/topo";  // the check found a usable directory for a missing value
  calls_.result = 1;
  calls_.coords = "015E1000,49N5959";
  dialog.FromMap();
  EXPECT_EQ(calls_.checkedDirectory, "");
  EXPECT_EQ(StoredTerrain(), "/data/topo");
  ASSERT_TRUE(calls_.map.has_value());
  const MapViewerParams& b = *calls_.map;
  const uint32_t parent = b.parent;
  const int32_t radius = b.radius;
  EXPECT_EQ(parent, 4711u);
  EXPECT_EQ(+b.kind, 1);
  EXPECT_EQ(radius, 25);
  EXPECT_EQ(BlockFieldText(b.caption), kCaption);
  EXPECT_EQ(BlockFieldText(b.coords), "014E2530,50N0530");
  EXPECT_EQ(dialog.writes(), Position("015 E 10 00", "49 N 59 59"));
  EXPECT_TRUE(view_.closed);
}

TEST_F(CoordinatesDialog, MapClosedWithoutTransferTakesNothing) {
  CoordinatesDialogPresenter& dialog = Open({});
  settings_.SetText(quorla::kQuorlaKey, "DtmHcm", "/data/topo");
  calls_.result = 0;
  calls_.coords = "015E1000,49N5959";
  dialog.FromMap();
  ASSERT_TRUE(calls_.map.has_value());
  const int32_t radius = calls_.map->radius;
  EXPECT_EQ(radius, 0);
  EXPECT_TRUE(dialog.writes().empty());
  EXPECT_FALSE(view_.closed);
  EXPECT_EQ(StoredTerrain(), "/data/topo");
}

}  // namespace
}  // namespace recbook::testing
