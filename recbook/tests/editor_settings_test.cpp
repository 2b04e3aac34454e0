// The remembered window size read from the settings file, and what is refused.
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

}  // namespace
}  // namespace recbook
