#include "terrain_fixture.h"

#include <unistd.h>

#include <fstream>
#include <vector>

#include "point_altitude.h"
#include "terrain/bulk_altitude.h"

namespace terrainmap::test {

int BlockPattern(int k, int column, int row) { return k * 7 + column * 3 - row * 2; }

void TerrainDirTest::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  dir_ = std::filesystem::temp_directory_path() /
         (std::string("quorla_terrain_") + info->test_suite_name() + "_" + info->name() + "_" +
          std::to_string(::getpid()));
  std::filesystem::remove_all(dir_);
  std::filesystem::create_directories(dir_);
  quorla::SetTerrainDirectory(dir_.string());
  quorla::SetNonInterpolatedHeights(false);
  quorla::PointAltitude(-999, 0);
  BulkAltitude(-999, 0);
}

void TerrainDirTest::TearDown() {
  quorla::PointAltitude(-999, 0);
  BulkAltitude(-999, 0);
  quorla::SetTerrainDirectory("");
  quorla::SetNonInterpolatedHeights(false);
  std::filesystem::remove_all(dir_);
}

std::filesystem::path TerrainDirTest::WriteTile(const std::string& relativePath, int ilat, long length,
                                                int (*value)(int, int, int)) {
  const int columns = quorla::BlockColumns(ilat);
  std::vector<char> bytes(static_cast<size_t>(length), 0);
  for (int k = 1; k <= 144; ++k)
    for (int r = 0; r < quorla::kBlockRows; ++r)
      for (int c = 0; c < columns; ++c) {
        const size_t at = static_cast<size_t>((k - 1) * quorla::RecordLength(ilat) + 2 * (r * columns + c));
        if (at + 1 >= bytes.size()) continue;
        const auto v = static_cast<uint16_t>(static_cast<int16_t>(value(k, c, r)));
        bytes[at] = static_cast<char>(v & 0xFF);
        bytes[at + 1] = static_cast<char>(v >> 8);
      }
  const auto path = dir_ / relativePath;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

}  // namespace terrainmap::test
