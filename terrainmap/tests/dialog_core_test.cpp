// What the dialogs compute without widgets: the placement codes, the planar entry box and the
// stored choice of geodetic system.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "datum/geodetic_system_setting.h"
#include "dialogs/dialog_placement.h"
#include "entry/planar_entry_box.h"

namespace terrainmap {
namespace {

constexpr PixelRect kScreen{0, 0, 1600, 1000};
constexpr PixelRect kOwner{200, 100, 800, 600};  // right edge 1000, bottom 700

struct PlaceCase {
  std::optional<PixelRect> owner;
  int x, y;
  PixelPoint expected;
};

TEST(DialogPlacement, CodesPerAxisAndKeptOnScreen) {
  const PlaceCase cases[] = {
      {kOwner, -1, -1, {200 + (800 - 300) / 2, 100 + (600 - 200) / 2}},  // centred on the owner
      {kOwner, -2, -2, {200, 100}},                                       // flush with left / top
      {kOwner, -3, -3, {1000 - 300, 700 - 200}},                          // flush with right / bottom
      {kOwner, -3, -2, {700, 100}},                                       // the record form's choice
      {kOwner, 10, 20, {210, 120}},                                       // pixels from the owner
      {kOwner, -9, 5, {450, 105}},                                        // unknown codes centre
      {kOwner, 1500, 950, {1600 - 300, 1000 - 200}},                      // pushed back onto the screen
      {std::nullopt, -3, 40, {(1600 - 300) / 2, (1000 - 200) / 2}},       // no owner: centred, x, y ignored
      {PixelRect{-500, -400, 300, 200}, -2, -2, {0, 0}},                  // owner partly off screen
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(PlaceDialog(cases[i].owner, kScreen, 300, 200, cases[i].x, cases[i].y), cases[i].expected);
  }
}

TEST(DialogPlacement, DialogLargerThanScreenStartsAtItsEdge) {
  EXPECT_EQ(PlaceDialog(kOwner, {50, 30, 400, 300}, 600, 500, -1, -1), (PixelPoint{50, 30}));
}

struct PlanarCase {
  const char* text;
  int caret;
  const char* expected;
  int caretAfter;
};

TEST(PlanarEntryBox, DigitsOnlySevenOfThemCaretOverTheBlank) {
  const PlanarCase cases[] = {
      {"", 0, "0000 000", 0},
      {"3", 1, "3000 000", 1},
      {"3500", 4, "3500 000", 5},          // the fourth digit: the caret steps over the blank
      {"35005", 5, "3500 500", 6},         // typed on the blank: the digit moves behind it
      {"3500 0001", 9, "3500 000", 8},     // an eighth digit is cut off
      {"9 3500 000", 1, "9350 000", 1},    // typed in front: the last digit falls off
      {"35a0-0 0x00", 4, "3500 000", 3},   // everything but digits is dropped
      {"5540 944", 99, "5540 944", 8},     // caret beyond the text
  };
  for (const PlanarCase& c : cases) {
    SCOPED_TRACE(c.text);
    const BoxEdit e = NormalisePlanarBox(c.text, c.caret);
    EXPECT_EQ(e.text, c.expected);
    EXPECT_EQ(e.selectionStart, c.caretAfter);
    EXPECT_EQ(e.selectionEnd, c.caretAfter);
  }
}

TEST(GeodeticSystemSetting, ReadLenientlyWrittenOnlyWhenChanged) {
  const std::string file =
      (std::filesystem::temp_directory_path() / ("quorla_geosyst_" + std::to_string(::getpid()) + ".ini")).string();
  std::filesystem::remove(file);
  quorla::SettingsStore store(file);
  EXPECT_EQ(ReadGeodeticSystemSetting(store), 0);  // missing
  WriteGeodeticSystemSetting(store, 0, 0);
  EXPECT_FALSE(store.QueryText(quorla::kQuorlaKey, "GeoSyst"));  // unchanged: nothing written
  WriteGeodeticSystemSetting(store, 0, 4);
  EXPECT_EQ(store.QueryText(quorla::kQuorlaKey, "GeoSyst"), "4");
  EXPECT_EQ(ReadGeodeticSystemSetting(store), 4);
  for (const char* text : {"", "x", "15", "-1", "2.5"}) {
    SCOPED_TRACE(text);
    store.SetText(quorla::kQuorlaKey, "GeoSyst", text);
    EXPECT_EQ(ReadGeodeticSystemSetting(store), 0);
  }
  store.SetText(quorla::kQuorlaKey, "GeoSyst", " 14");
  EXPECT_EQ(ReadGeodeticSystemSetting(store), 14);
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace terrainmap
