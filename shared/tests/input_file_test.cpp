#include "input_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "atomic_file.h"
#include "ini_file.h"
#include "settings_store.h"
#include "terrain_tile.h"
#include "testing/input_kinds.h"

namespace quorla {
namespace {

constexpr size_t kLimit = 4096;

// Every reader of outside files in shared/ gives each kind of path its own status; none hangs on
// the FIFO or reads the device.
TEST(InputKinds, EveryReaderGivesEachKindItsStatus) {
  InputKindFiles files(kLimit);
  InputKindFiles settingsFiles(IniFile::kMaxFileBytes);
  std::map<InputStatus, std::string> texts;
  for (size_t i = 0; i < files.Cases().size(); ++i) {
    const InputKindCase& c = files.Cases()[i];
    const InputKindCase& settings = settingsFiles.Cases()[i];
    SCOPED_TRACE(c.kind);
    std::string bytes = "old";
    EXPECT_EQ(ReadInputFile(c.path, kLimit, bytes), c.expected);
    EXPECT_TRUE(bytes.empty());
    InputFile file;
    EXPECT_EQ(file.Open(c.path, kLimit), c.expected);
    EXPECT_EQ(file.IsOpen(), c.expected == InputStatus::Ok);
    IniFile ini;
    EXPECT_EQ(IniFile::Load(settings.path, ini), settings.expected);
    SettingsStore store(settings.path);
    EXPECT_FALSE(store.QueryText("Software\\Quorla", "DtmHcm").has_value());
    EXPECT_EQ(store.LastReadStatus(), settings.expected);
    if (c.kind != "oversize") {  // tiles are never too large: only their records are read
      TileFile tile;
      EXPECT_EQ(tile.Open(c.path), c.expected);
    }
    texts[c.expected] = InputStatusText(c.expected).en;
  }
  // Each cause reads differently to the user.
  std::set<std::string> distinct;
  for (const auto& [status, text] : texts) distinct.insert(text);
  EXPECT_EQ(distinct.size(), texts.size());
}

// A settings file that is there but refused is never written over: the user's settings stay.
TEST(InputKinds, RefusedSettingsFileIsNotWrittenOver) {
  InputKindFiles files(IniFile::kMaxFileBytes);
  for (const InputKindCase& c : files.Cases()) {
    // The device itself is left out: a failure here would replace /dev/zero.
    if (c.expected == InputStatus::Ok || c.expected == InputStatus::Missing || c.kind == "device") continue;
    SCOPED_TRACE(c.kind);
    const auto before = std::filesystem::symlink_status(c.path).type();
    SettingsStore store(c.path);
    EXPECT_FALSE(store.SetText("Software\\Quorla", "DtmHcm", "/data/dtm"));
    EXPECT_FALSE(store.CreateOrOpenKey("Software\\Quorla"));
    EXPECT_FALSE(WriteProfileString(c.path, "ORBIS", "ORBIS_DataFileDir", "/x"));
    EXPECT_EQ(std::filesystem::symlink_status(c.path).type(), before);
    if (c.kind == "oversize") {
      EXPECT_EQ(std::filesystem::file_size(c.path), IniFile::kMaxFileBytes + 1);
    }
  }
}

TEST(ReadInputFile, ReadsWholeFileUpToTheLimit) {
  InputKindFiles files(0);  // for its private folder
  const std::string path = files.Cases().back().path + ".data";
  for (const size_t size : {size_t{1}, kLimit - 1, kLimit}) {
    ASSERT_TRUE(WriteFileAtomically(path, std::string(size, 'x')));
    std::string bytes;
    EXPECT_EQ(ReadInputFile(path, kLimit, bytes), InputStatus::Ok) << size;
    EXPECT_EQ(bytes, std::string(size, 'x'));
  }
}

TEST(ReadBoundedLine, LinesEndsAndTooLongLines) {
  const struct {
    std::string text;
    std::vector<std::string> lines;  // then End, or TooLong when tooLong
    bool tooLong;
  } cases[] = {
      {"", {}, false},
      {"15 49\n16 50\r\n", {"15 49", "16 50"}, false},
      {"15 49", {"15 49"}, false},
      {"\n\n", {"", ""}, false},
      {std::string(8, 'x') + "\n", {std::string(8, 'x')}, false},
      {"ok\n" + std::string(9, 'x') + "\n", {"ok"}, true},
      {std::string(100000, '\0'), {}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 20));
    std::istringstream in(c.text);
    std::string line;
    for (const std::string& expected : c.lines) {
      ASSERT_EQ(ReadBoundedLine(in, line, 8), LineStatus::Line);
      EXPECT_EQ(line, expected);
    }
    EXPECT_EQ(ReadBoundedLine(in, line, 8), c.tooLong ? LineStatus::TooLong : LineStatus::End);
  }
}

// A settings file of 80,000 keys under the size limit reads through the store, and 80,000
// sections (the store keeps one section per key) parse; the time they take is measured by
// bench/settings_bench.cpp.
TEST(IniFile, ManyKeysAndSectionsRead) {
  InputKindFiles files(0);  // for its private folder
  const std::string path = files.Cases().back().path + ".ini";
  std::string text = "[Software\\Quorla]\n";
  for (int i = 0; i < 80000; ++i) text += "K" + std::to_string(i) + "=1\n";
  ASSERT_LT(text.size(), IniFile::kMaxFileBytes);
  ASSERT_TRUE(WriteFileAtomically(path, text));
  EXPECT_EQ(SettingsStore(path).QueryText("software\\quorla", "k79999").value_or("-"), "1");

  text.clear();
  for (int i = 0; i < 80000; ++i) text += "[K" + std::to_string(i) + "]\nValue=" + std::to_string(i) + "\n";
  const IniFile ini = IniFile::Parse(text, IniFile::Values::Exact);
  EXPECT_EQ(ini.Get("k79999", "VALUE").value_or("-"), "79999");
  EXPECT_EQ(ini.Get("k40000", "value").value_or("-"), "40000");
}

}  // namespace
}  // namespace quorla
