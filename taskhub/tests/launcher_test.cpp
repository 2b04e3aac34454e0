// The launcher's loop through a scripted task window and a scripted stand-in for the three entry
// points: the settings text read and written, the tasks called, the blocks byte by byte.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <cstdio>
#include <cstring>
#include <deque>
#include <fstream>
#include <vector>

#include "launcher.h"
#include "launcher_settings.h"

namespace taskhub {
namespace {

struct WindowStep {
  int language, task;  // what the window must be built with
  int code;            // what it returns
};

class ScriptedWindows : public TaskWindows {
 public:
  explicit ScriptedWindows(std::deque<WindowStep> steps) : steps_(std::move(steps)) {}
  ~ScriptedWindows() override { EXPECT_TRUE(steps_.empty()) << steps_.size() << " window(s) not shown"; }
  int Run(int language, int task) override {
    if (steps_.empty()) {
      ADD_FAILURE() << "window shown once too often";
      return -1;
    }
    const WindowStep s = steps_.front();
    steps_.pop_front();
    EXPECT_EQ(language, s.language);
    EXPECT_EQ(task, s.task);
    return s.code;
  }

 private:
  std::deque<WindowStep> steps_;
};

// Keeps each call's block as bytes.
class RecordingEntries : public EntryPoints {
 public:
  struct Call {
    int task;
    std::vector<unsigned char> bytes;
  };
  void MapViewer(MapViewerParams& b) override { Keep(1, &b, sizeof b); }
  void Editor(EditorParams& b) override { Keep(2, &b, sizeof b); }
  void AntennaEditor(AntennaEditParams& b) override { Keep(3, &b, sizeof b); }
  std::vector<Call> calls;

 private:
  void Keep(int task, const void* p, size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    calls.push_back({task, {b, b + n}});
  }
};

class LauncherTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/taskhub_test_XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
  }
  void TearDown() override {
    std::remove(File().c_str());
    ::rmdir(dir_.c_str());
  }
  std::string File() const { return dir_ + "/registry.ini"; }
  std::optional<std::string> Stored() const {
    return quorla::SettingsStore(File()).QueryText(quorla::kMirandexKey, kSettingsValue);
  }
  std::string dir_;
};

TEST_F(LauncherTest, FirstStartCancelWritesEnglishAndTheMapViewer) {
  quorla::SettingsStore store(File());
  ScriptedWindows windows({{0, 0, -1}});
  RecordingEntries entries;
  EXPECT_EQ(RunLauncher(windows, entries, store), 0);
  EXPECT_EQ(Stored(), " 0, 1");
  EXPECT_TRUE(entries.calls.empty());
}

TEST_F(LauncherTest, TwoLanguageSwitchesAndCancelWriteNothing) {
  quorla::SettingsStore store(File());
  ASSERT_TRUE(store.SetText(quorla::kMirandexKey, kSettingsValue, " 0, 2"));
  const utimbuf old{1000000000, 1000000000};
  ASSERT_EQ(::utime(File().c_str(), &old), 0);
  ScriptedWindows windows({{0, 2, 102}, {1, 2, 102}, {0, 2, -2}});
  RecordingEntries entries;
  RunLauncher(windows, entries, store);
  struct stat st {};
  ASSERT_EQ(::stat(File().c_str(), &st), 0);
  EXPECT_EQ(st.st_mtime, old.modtime) << "the settings file was written";
  EXPECT_EQ(Stored(), " 0, 2");
}

TEST_F(LauncherTest, TaskComesBackPreselectedAndIsRemembered) {
  quorla::SettingsStore store(File());
  ASSERT_TRUE(store.SetText(quorla::kMirandexKey, kSettingsValue, " 1, 1"));
  // OK on the antenna editor, again on it, then the language switched with the editor chosen.
  ScriptedWindows windows({{1, 1, 3}, {1, 3, 3}, {1, 3, 102}, {0, 2, -2}});
  RecordingEntries entries;
  RunLauncher(windows, entries, store);
  ASSERT_EQ(entries.calls.size(), 2u);
  EXPECT_EQ(entries.calls[0].task, 3);
  EXPECT_EQ(Stored(), " 0, 2");
}

// Each block: its size, and zero everywhere but the language byte and the caption.
TEST_F(LauncherTest, BlocksHoldOnlyLanguageAndCaption) {
  constexpr struct { int task; size_t size, languageAt, captionAt; } kBlocks[] = {
      {1, 528, 12, 13}, {2, 264, 259, 4}, {3, 285, 26, 27}};
  quorla::SettingsStore store(File());
  ASSERT_TRUE(store.SetText(quorla::kMirandexKey, kSettingsValue, " 1, 1"));
  ScriptedWindows windows({{1, 1, 1}, {1, 1, 2}, {1, 2, 3}, {1, 3, -3}});
  RecordingEntries entries;
  RunLauncher(windows, entries, store);
  ASSERT_EQ(entries.calls.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    const auto& b = kBlocks[i];
    const auto& bytes = entries.calls[i].bytes;
    SCOPED_TRACE(b.task);
    EXPECT_EQ(entries.calls[i].task, b.task);
    ASSERT_EQ(bytes.size(), b.size);
    std::vector<unsigned char> want(b.size, 0);
    want[b.languageAt] = 1;
    std::memcpy(want.data() + b.captionAt, " MIRANDEX: ", 11);
    for (size_t k = 0; k < b.size; ++k) EXPECT_EQ(bytes[k], want[k]) << "byte " << k;
  }
}

TEST(LauncherBlocks, LongCaptionKeepsItsTerminator) {
  const EditorParams b = EditorBlock(0, std::string(300, 'x'));
  EXPECT_EQ(std::strlen(b.caption), 254u);
  EXPECT_EQ(b.language, 0);
}

TEST(LauncherSettingsText, ReadLenientlyWrittenWithLeadingBlanks) {
  constexpr struct { const char* text; int language, task; const char* written; } kCases[] = {
      {" 0, 2", 0, 2, " 0, 2"}, {" 1, 3", 1, 3, " 1, 3"}, {"", 0, 0, " 0, 0"},
      {" 1", 1, 0, " 1, 0"},    {"xy, z", 0, 0, " 0, 0"}, {"-1,-2", -1, -2, "-1,-2"},
      {" 1,12", 1, 12, " 1, 12"}, {" 1, 99999999999999", 1, 0, " 1, 0"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    const LauncherSettings s = ParseLauncherSettings(c.text);
    EXPECT_EQ(s.language, c.language);
    EXPECT_EQ(s.task, c.task);
    EXPECT_EQ(FormatLauncherSettings(s), c.written);
  }
}

}  // namespace
}  // namespace taskhub
