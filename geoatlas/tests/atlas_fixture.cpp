#include "atlas_fixture.h"

#include <filesystem>
#include <numbers>
#include <sstream>

#include "atlas_convert.h"
#include "atomic_file.h"
#include "platform_paths.h"

namespace quorla::geoatlas::testing {

std::string WriteSyntheticDatabase(const std::string& name) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("geoatlas_test_" + name);
  fs::remove_all(dir);
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
