// The first start's demo directories: written into an empty settings file only, never over any
// value a user has, never on a later start, never into a file that cannot be read.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "demo_directories.h"
#include "launcher.h"

namespace taskhub {
namespace {

namespace fs = std::filesystem;

class DemoDirectories : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("taskhub_demo_dirs_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "data/demo/topo/#border");
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Data() const { return (dir_ / "data").string() + "/"; }
  std::string Terrain() const { return Data() + "demo/topo"; }
  fs::path dir_;
};

struct Value {
  const char* key;
  const char* name;
  const char* text;
};

TEST_F(DemoDirectories, WrittenOnlyIntoSettingsWithoutTheUsersValues) {
  const std::string terrain = Terrain(), border = Terrain() + "/#border";
  const struct {
    const char* what;
    std::vector<Value> before;
    bool written;
    std::optional<std::string> dtm, border;  // afterwards
  } kCases[] = {
      {"no settings file", {}, true, terrain, border},
      {"other values only", {{quorla::kQuorlaKey, "archXMS", "/home/u/xms"}}, true, terrain, border},
      {"not the first start", {{quorla::kMirandexKey, kSettingsValue, " 0, 1"}}, false, std::nullopt, std::nullopt},
      {"own terrain directory", {{quorla::kQuorlaKey, quorla::kTerrainDirValue, "/home/u/topo"}}, false,
       "/home/u/topo", std::nullopt},
      {"own border directory", {{quorla::kQuorlaKey, quorla::kBorderDirValue, "/home/u/border"}}, false,
       std::nullopt, "/home/u/border"},
      {"terrain directory emptied by the user", {{quorla::kQuorlaKey, quorla::kTerrainDirValue, ""}}, false, "",
       std::nullopt},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const std::string file = (dir_ / (std::string(c.what) + ".ini")).string();
    quorla::SettingsStore settings(file);
    for (const Value& v : c.before) {
      ASSERT_TRUE(settings.CreateOrOpenKey(v.key));
      ASSERT_TRUE(settings.SetText(v.key, v.name, v.text));
    }
    EXPECT_EQ(UseDemoDirectoriesOnFirstStart(settings, Data()), c.written);
    EXPECT_EQ(settings.QueryText(quorla::kQuorlaKey, quorla::kTerrainDirValue), c.dtm);
    EXPECT_EQ(settings.QueryText(quorla::kQuorlaKey, quorla::kBorderDirValue), c.border);
    for (const Value& v : c.before) EXPECT_EQ(settings.QueryText(v.key, v.name), v.text);
    // A second start finds the values and leaves them.
    EXPECT_FALSE(UseDemoDirectoriesOnFirstStart(settings, Data()));
    EXPECT_EQ(settings.QueryText(quorla::kQuorlaKey, quorla::kTerrainDirValue), c.dtm);
  }
}

TEST_F(DemoDirectories, NothingWrittenWithoutDemoDataOrReadableSettings) {
  const std::string file = (dir_ / "registry.ini").string();
  quorla::SettingsStore settings(file);
  EXPECT_FALSE(UseDemoDirectoriesOnFirstStart(settings, (dir_ / "elsewhere").string()));
  EXPECT_FALSE(UseDemoDirectoriesOnFirstStart(settings, ""));
  EXPECT_FALSE(fs::exists(file));
  fs::remove_all(dir_ / "data/demo/topo/#border");
  EXPECT_FALSE(UseDemoDirectoriesOnFirstStart(settings, Data()));
  EXPECT_FALSE(fs::exists(file));

  fs::create_directories(dir_ / "data/demo/topo/#border");
  fs::create_directories(dir_ / "unreadable.ini");  // a settings "file" that cannot be read
  quorla::SettingsStore unreadable((dir_ / "unreadable.ini").string());
  EXPECT_FALSE(UseDemoDirectoriesOnFirstStart(unreadable, Data()));
  EXPECT_TRUE(fs::is_directory(dir_ / "unreadable.ini"));
}

}  // namespace
}  // namespace taskhub
