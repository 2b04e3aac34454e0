#include "atlas_fixture.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <numbers>
#include <sstream>

#include "atlas_convert.h"
#include "atomic_file.h"
#include "platform_paths.h"

namespace quorla::geoatlas::testing {

namespace fs = std::filesystem;
namespace {

fs::path ProcessFolder() { return fs::temp_directory_path() / ("geoatlas_test_" + std::to_string(::getpid())); }

// Removes this process's test folders when the tests end.
class CleanUp : public ::testing::Environment {
 public:
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(ProcessFolder(), ec);
  }
};
[[maybe_unused]] const auto* const kCleanUp = ::testing::AddGlobalTestEnvironment(new CleanUp);

}  // namespace

std::string TestFolder(const std::string& name) {
  // One folder per process and test: ctest runs the tests of this program side by side.
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  const fs::path dir = ProcessFolder() / (std::string(test ? test->name() : "") + "_" + name);
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir.string() + "/";
}

std::string WriteSyntheticDatabase(const std::string& name) {
  const fs::path dir = TestFolder(name);
  fs::create_directories(dir / "src");
  if (!WriteFileAtomically((dir / "src" / kWorldAtlasFile).string(), kSyntheticTopology)) return {};
  std::ostringstream log, err;
  if (!ConvertWorldAtlas((dir / "src").string(), (dir / "db").string(), log, err)) return {};
  return (dir / "db").string() + "/";
}

AtlasPlaces OnlyIn(const std::string& folder) { return {"", {folder}}; }

std::string BuiltDatabase() {
  const std::string dir = std::string(QUORLA_BUILD_DATA) + "/";
  return FileExists(dir + "GEOIDX1.BIN") ? dir : std::string();
}

double Rad(double degrees) { return degrees * std::numbers::pi / 180; }

}  // namespace quorla::geoatlas::testing
