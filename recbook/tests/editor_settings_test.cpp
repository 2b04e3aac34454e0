// The remembered window size read from the settings file, and what is refused; the entry-box
// properties as the properties dialog stores them.
#include "editor/editor_settings.h"

#include <gtest/gtest.h>

namespace recbook {
namespace {

TEST(EditorSettings, WindowSizeText) {
  const struct {
    const char* text;
    int width, height;
  } kCases[] = {
      {"1100x640", 1100, 640}, {"100x100", 100, 100}, {"20000x20000", 20000, 20000},
      {"99x640", 0, 0},        {"1100x20001", 0, 0},  {"1100", 0, 0},
      {"x640", 0, 0},          {"1100x", 0, 0},       {"1100x64a", 0, 0},
      {"-100x640", 0, 0},      {"", 0, 0},            {"99999999999x1", 0, 0},
  };
  for (const auto& c : kCases) {
    const WindowSize s = ParseWindowSize(c.text);
    EXPECT_EQ(s.width, c.width) << c.text;
    EXPECT_EQ(s.height, c.height) << c.text;
  }
}

TEST(EditorSettings, WindowSizeRoundTrip) {
  const std::string path = ::testing::TempDir() + "editor_settings_test.ini";
  std::remove(path.c_str());
  {
    quorla::SettingsStore store(path);
    EXPECT_EQ(ReadEditorSettings(store, false).windowSize.width, 0);
    WriteWindowSize(store, {1234, 567});
  }
  quorla::SettingsStore store(path);
  const WindowSize s = ReadEditorSettings(store, false).windowSize;
  EXPECT_EQ(s.width, 1234);
  EXPECT_EQ(s.height, 567);
  std::remove(path.c_str());
}

// The properties dialog stores GeoTxtBox as " 1, 0, 0, 0" (a sign, then the digit); the record
// form's co-ordinate boxes read them from here. Before, a pair that was not two digits read as 0,
// so no stored property ever reached the form.
TEST(EditorSettings, GeoBoxPropertiesAsTheDialogStoresThem) {
  const std::string path = ::testing::TempDir() + "editor_settings_geo_test.ini";
  std::remove(path.c_str());
  quorla::SettingsStore store(path);
  ASSERT_TRUE(store.SetText(quorla::kQuorlaKey, "GeoTxtBox", "-1, 1, 1, 1"));
  const terrainmap::GeoBoxProperties p = ReadEditorSettings(store, true).geoBoxProperties;
  EXPECT_EQ(p.lonStart, -1);
  EXPECT_EQ(p.lonSkip, 1);
  EXPECT_EQ(p.latStart, 1);
  EXPECT_EQ(p.latSkip, 1);
  EXPECT_EQ(ReadEditorSettings(store, false).geoBoxProperties.lonSkip, 0);  // the viewer reads none
  // Read anew each time: what the properties dialog stored later is what the next reading gives.
  ASSERT_TRUE(store.SetText(quorla::kQuorlaKey, "GeoTxtBox", " 0, 0, 1, 0"));
  EXPECT_EQ(ReadEditorSettings(store, true).geoBoxProperties, (terrainmap::GeoBoxProperties{0, 0, 1, 0}));
  std::remove(path.c_str());
}

}  // namespace
}  // namespace recbook
