#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>

#include "atlas_database.h"
#include "atlas_fixture.h"
#include "atlas_messages.h"
#include "atomic_file.h"
#include "ini_file.h"
#include "testing/input_kinds.h"
#include "testing/scripted_host.h"
#include "world_atlas.h"

namespace quorla::geoatlas {
namespace {

constexpr const char* kTitle = "ORBIS error in routine: ";

std::string Code(WorldAtlas& atlas, double lon = 0.0026, double lat = 0.0026) {
  char c[3];
  atlas.Geoplc(static_cast<float>(lon), static_cast<float>(lat), c);
  return std::string(c, 3);
}

// After an error: empty answers, no further message, the database marked unusable.
void ExpectUnusable(WorldAtlas& atlas) {
  EXPECT_FALSE(atlas.usable());
  EXPECT_EQ(Code(atlas), "   ");
  float pts[20];
  int32_t line = 7, n = 7, done = 0;
  char type = '?';
  atlas.Geoliw(2, pts, 10, line, n, type, done);
  EXPECT_EQ(done, 1);
  EXPECT_EQ(n, 0);
}

std::string Edit(const std::string& path, const std::function<void(std::string&)>& change) {
  std::string bytes;
  EXPECT_TRUE(ReadWholeFile(path, bytes));
  change(bytes);
  EXPECT_TRUE(WriteFileAtomically(path, bytes));
  return bytes;
}

TEST(WorldAtlasErrors, MissingFilesAreReportedOnce) {
  const std::string empty = testing::TestFolder("empty");
  ScriptedHost host;
  host.ExpectMessage(" Can not find the ORBIS file: GEOIDX1.BIN", std::string(kTitle) + "GEOFNM", Buttons::Ok,
                     Icon::Exclamation);
  WorldAtlas atlas(host, testing::OnlyIn(empty));
  EXPECT_EQ(Code(atlas), "   ");
  ExpectUnusable(atlas);
  host.VerifyAllConsumed();
}

TEST(WorldAtlasErrors, RestrictedUnitNumbersAndLaterCalls) {
  const std::string dir = testing::WriteSyntheticDatabase("unit");
  {
    ScriptedHost host;
    host.ExpectMessage(" 75/76 ARE RESTRICTED UNIT-NUMBERS", std::string(kTitle) + "WDBUNIT", Buttons::Ok,
                       Icon::Exclamation);
    WorldAtlas atlas(host, testing::OnlyIn(dir));
    atlas.Wdbunit(76);
    ExpectUnusable(atlas);
    host.VerifyAllConsumed();
  }
  ScriptedHost quiet;
  WorldAtlas atlas(quiet, testing::OnlyIn(dir));
  atlas.Wdbunit(72);
  atlas.Wdbunit(75);  // only the first call counts
  EXPECT_EQ(atlas.unit(), 72);
  EXPECT_EQ(Code(atlas, testing::Rad(0.15), testing::Rad(0.15)), "CZE");
}

TEST(WorldAtlasErrors, DamagedFilesMakeTheDatabaseUnusable) {
  struct Case {
    const char* file;
    std::function<void(std::string&)> change;
    const char* text;
  } cases[] = {
      {"GEOCCD3.BIN", [](std::string& b) { b.resize(10); }, " Damaged ORBIS file: GEOCCD3.BIN"},
      {"GEOCCD3.BIN", [](std::string& b) { b.resize(b.size() - 18); }, " Damaged ORBIS file: GEOCCD3.BIN"},
      {"GEOCCD3.BIN", [](std::string& b) { b[0] = 3; }, "Wrong version, relink program."},
      {"GEOCCD3.BIN", [](std::string& b) { b.replace(18, 8, 8, '\xff'); }, " Damaged ORBIS file: GEOCCD3.BIN"},
      // The first line reference of the first area far beyond any line.
      {"GEOCCD3.BIN", [](std::string& b) { b.replace(66, 4, "\xfd\xff\xff\x7f"); }, " Damaged ORBIS file: GEOCCD3.BIN"},
      {"GEOPNT1.BIN", [](std::string& b) { b.resize(b.size() / 2); }, " Damaged ORBIS file: GEOPNT1.BIN"},
      {"GEOPNT1.BIN", [](std::string& b) { b.replace(20, 4, "\xff\xff\xff\x7f"); }, " Damaged ORBIS file: GEOPNT1.BIN"},
      {"GEOPNT1.BIN", [](std::string& b) { b += "junk"; }, " Damaged ORBIS file: GEOPNT1.BIN"},
      {"GEOIDX1.BIN", [](std::string& b) { b.resize(b.size() - 47); }, " Damaged ORBIS file: GEOIDX1.BIN"},
      {"GEOIDX1.BIN", [](std::string& b) { b.replace(31, 16, 16, '\xab'); }, " Damaged ORBIS file: GEOIDX1.BIN"},
      {"GEOIDX1.BIN", [](std::string& b) { b.clear(); }, " Damaged ORBIS file: GEOIDX1.BIN"},
      // Both index entries of the border point elsewhere: an outline refers to a missing line.
      {"GEOIDX1.BIN", [](std::string& b) { b[10] = b[57] = 9; }, "Did not find the line 1000000 in the coordinate file."},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string dir = testing::WriteSyntheticDatabase("damaged" + std::to_string(n++));
    Edit(dir + c.file, c.change);
    ScriptedHost host;
    host.ExpectMessage(c.text, std::string(kTitle) + "GEOPLC", Buttons::Ok, Icon::Exclamation);
    WorldAtlas atlas(host, testing::OnlyIn(dir));
    EXPECT_EQ(Code(atlas), "   ") << c.text;
    ExpectUnusable(atlas);
    host.VerifyAllConsumed();
  }
}

// Each kind of path in place of a data file: its own message, no hang on a FIFO, no read of a
// device or of a file larger than the format holds.
TEST(WorldAtlasErrors, DataFilesThatAreNotRegularFilesHaveTheirOwnMessages) {
  const std::string dir = testing::WriteSyntheticDatabase("kinds");
  InputKindFiles files(kMaxWorldFileBytes);
  for (const InputKindCase& c : files.Cases()) {
    SCOPED_TRACE(c.kind);
    Database db;
    LoadFailure failure;
    EXPECT_FALSE(LoadDatabase(c.path, dir + kPointFileName, dir + kTableFileName, db, failure));
    const std::string expected = c.expected == InputStatus::Ok        ? DamagedFileText(kIndexFileName)
                                 : c.expected == InputStatus::Missing ? FileNotFoundText(kIndexFileName)
                                                                      : UnreadableFileText(kIndexFileName, c.expected);
    EXPECT_EQ(failure.text, expected);
  }
  // The lookup passes over a FIFO of the file's name instead of waiting for a writer.
  std::filesystem::remove(dir + kIndexFileName);
  ASSERT_EQ(::mkfifo((dir + kIndexFileName).c_str(), 0600), 0);
  ScriptedHost host;
  host.ExpectMessage(" Can not find the ORBIS file: GEOIDX1.BIN", std::string(kTitle) + "GEOFNM", Buttons::Ok,
                     Icon::Exclamation);
  WorldAtlas atlas(host, testing::OnlyIn(dir));
  EXPECT_EQ(Code(atlas), "   ");
  host.VerifyAllConsumed();
}

TEST(WorldAtlasErrors, LineMissingFromThePointFileStopsThePass) {
  const std::string dir = testing::WriteSyntheticDatabase("lostline");
  Edit(dir + "GEOIDX1.BIN", [](std::string& b) { b[10] = 9; });  // the first entry of line 1000000 only
  ScriptedHost host;
  host.ExpectMessage("Did not find the line 1000000 in the coordinate file.", std::string(kTitle) + "GEOLIW",
                     Buttons::Ok, Icon::Exclamation);
  WorldAtlas atlas(host, testing::OnlyIn(dir));
  float pts[2000];
  int32_t line = 0, n = 0, done = 0;
  char type = ' ';
  atlas.Geoliw(1, pts, 1000, line, n, type, done);
  EXPECT_EQ(done, 1);
  ExpectUnusable(atlas);
  host.VerifyAllConsumed();
}

TEST(WorldAtlasErrors, TooManyFilterCodes) {
  const std::string dir = testing::WriteSyntheticDatabase("filter");
  std::string codes;
  for (int i = 0; i < 86; ++i) codes += "C" + std::to_string(10 + i);
  ScriptedHost host;
  host.ExpectMessage("Increase the parameter MXCTYW = 85", std::string(kTitle) + "GEODWD", Buttons::Ok,
                     Icon::Exclamation);
  WorldAtlas atlas(host, testing::OnlyIn(dir));
  atlas.Geodwd(-1, -1, 1, 1, 0, 85, codes.data());  // 85 distinct codes are the limit
  EXPECT_TRUE(atlas.usable());
  atlas.Geodwd(-1, -1, 1, 1, 0, 86, codes.data());
  ExpectUnusable(atlas);
  host.VerifyAllConsumed();
}

TEST(WorldAtlasErrors, IniFolderAndTooLongValue) {
  const std::string dir = testing::WriteSyntheticDatabase("ini");
  const std::string ini = testing::TestFolder("config") + "ATLASCFG.INI";
  ASSERT_TRUE(WriteProfileString(ini, "ORBIS", "ORBIS_DataFileDir", dir));
  {
    ScriptedHost host;
    WorldAtlas atlas(host, {ini, {}});
    EXPECT_EQ(Code(atlas, testing::Rad(0.3), testing::Rad(0.1)), "D  ");
  }
  ASSERT_TRUE(WriteProfileString(ini, "ORBIS", "ORBIS_DataFileDir", std::string(300, 'x')));
  ScriptedHost host;
  host.ExpectMessage("Value of entry name to long", std::string(kTitle) + "GEOGID", Buttons::Ok, Icon::Information);
  WorldAtlas atlas(host, {ini, {dir}});  // the fallback folder still serves
  EXPECT_EQ(Code(atlas, testing::Rad(0.3), testing::Rad(0.1)), "D  ");
  host.VerifyAllConsumed();
}

}  // namespace
}  // namespace quorla::geoatlas
