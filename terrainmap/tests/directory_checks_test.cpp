// The terrain and border-line directory checks, on folders made for each test. The fallback
// folders live under the data folder, which each test points at its own empty folder.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>

#include "directories/directory_checks.h"

namespace terrainmap {
namespace {

namespace fs = std::filesystem;

class DirectoryChecks : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = fs::temp_directory_path() / ("quorla_dircheck_" + std::to_string(::getpid()) + "_" + info->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "data");
    ::setenv("QUORLA_DATA_DIR", (root_ / "data").c_str(), 1);
  }
  void TearDown() override {
    ::unsetenv("QUORLA_DATA_DIR");
    fs::remove_all(root_);
  }
  // Creates empty files (and their folders) under root; a name ending in "/" is a folder.
  std::string Make(const std::string& folder, std::initializer_list<const char*> entries) {
    const fs::path base = root_ / folder;
    fs::create_directories(base);
    for (const char* e : entries) {
      const std::string name = e;
      if (name.back() == '/') {
        fs::create_directories(base / name);
      } else {
        fs::create_directories((base / name).parent_path());
        std::ofstream(base / name).put('x');
      }
    }
    return base.string();
  }
  fs::path root_;
};

TEST_F(DirectoryChecks, TerrainDirectoryPatterns) {
  const struct {
    const char* what;
    std::initializer_list<const char*> entries;
    bool accepted;
  } kCases[] = {
      {"a northern tile", {"E015/E015N49.33E"}, true},
      {"any character before 3E", {"E015/E015N50.g3E"}, true},
      {"names in lower case", {"e015/e015n49.63e"}, true},
      {"only W columns with a southern tile", {"W004/W004S12.33E"}, true},
      {"southern tile in an E column", {"E015/E015s05.33E"}, true},
      {"no column folder", {"E015N49.33E"}, false},
      {"a file named like a column does not count", {"E015", "W004/W004N49.33E"}, true},
      {"an E column without tiles wins over a W column with them", {"E015/readme.txt", "W004/W004N49.33E"}, false},
      {"tile of another column", {"E015/E016N49.33E"}, false},
      {"one latitude digit", {"E015/E015N4.33E"}, false},
      {"extension without its first character", {"E015/E015N49.3E"}, false},
      {"extension not ending in 3E", {"E015/E015N49.34"}, false},
      {"column name of four characters only", {"E0150/E0150N49.33E"}, false},
      {"tile that is a folder", {"E015/E015N49.33E/"}, false},
      {"empty folder", {}, false},
  };
  int n = 0;
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const std::string dir = Make("case" + std::to_string(n++), c.entries);
    EXPECT_EQ(IsTerrainDirectory(dir), c.accepted);
    EXPECT_EQ(VerifyTerrainDirectory(dir), c.accepted ? dir : "");
  }
  EXPECT_EQ(VerifyTerrainDirectory((root_ / "absent").string()), "");
}

TEST_F(DirectoryChecks, TerrainFallback) {
  const std::string good = Make("good", {"E015/E015N49.33E"});
  EXPECT_EQ(VerifyTerrainDirectory(""), "");
  Make("data/topo", {"W001/W001N51.63E"});
  const std::string fallback = (root_ / "data" / "topo").string();
  // An empty text is not searched: the fallback answers.
  EXPECT_EQ(VerifyTerrainDirectory(""), fallback);
  EXPECT_EQ(VerifyTerrainDirectory(Make("bad", {"E015/"})), fallback);
  EXPECT_EQ(VerifyTerrainDirectory(good), good);
}

TEST_F(DirectoryChecks, BorderDirectoryPatterns) {
  const struct {
    const char* what;
    std::initializer_list<const char*> entries;
    bool accepted;
  } kCases[] = {
      {"border-line file", {"CZE.000"}, true},
      {"15-km line file", {"AUT.015"}, true},
      {"cross-border line file only", {"SVK.cbr"}, true},
      {"upper-case extension", {"SVK.CBR"}, true},
      {"other files only", {"CZE.001", "lines.txt", "CZE.0000"}, false},
      {"a folder with the extension", {"CZE.000/"}, false},
      {"line files one folder down", {"sub/CZE.000"}, false},
      {"empty folder", {}, false},
  };
  int n = 0;
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    const std::string dir = Make("case" + std::to_string(n++), c.entries);
    EXPECT_EQ(IsBorderDirectory(dir), c.accepted);
    EXPECT_EQ(VerifyBorderDirectory(dir), c.accepted ? dir : "");
  }
}

TEST_F(DirectoryChecks, BorderFallbacksInOrder) {
  const std::string none = Make("none", {"notes.txt"});
  EXPECT_EQ(VerifyBorderDirectory(none), "");
  Make("data/border", {"POL.015"});
  EXPECT_EQ(VerifyBorderDirectory(none), (root_ / "data" / "border").string());
  // The border folder inside the terrain fallback comes first.
  Make("data/topo/#border", {"HNG.000"});
  EXPECT_EQ(VerifyBorderDirectory(none), (root_ / "data" / "topo" / "#border").string());
  EXPECT_EQ(VerifyBorderDirectory(""), (root_ / "data" / "topo" / "#border").string());
  const std::string own = Make("own", {"D.cbr"});
  EXPECT_EQ(VerifyBorderDirectory(own), own);
}

}  // namespace
}  // namespace terrainmap
