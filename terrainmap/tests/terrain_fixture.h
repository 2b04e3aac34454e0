#pragma once
// A private terrain directory for one test, filled with generated or hand-made tiles, and the
// reset of both lookups around each test.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace terrainmap::test {

class TerrainDirTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Writes a tile file of the given length filled by SyntheticHeight-free test values:
  // every height of block k is value(k, column, row).
  std::filesystem::path WriteTile(const std::string& relativePath, int ilat, long length,
                                  int (*value)(int k, int column, int row));
  std::filesystem::path dir_;
};

// Height pattern that tells blocks, columns and rows apart.
int BlockPattern(int k, int column, int row);

}  // namespace terrainmap::test
