#pragma once
// Test databases: a small synthetic world built by the converter from a hand-written topology,
// and the real database the build made from world-atlas.
#include <gtest/gtest.h>

#include <string>

#include "file_lookup.h"
#include "testing/scripted_host.h"

namespace quorla::geoatlas::testing {

// Two neighbours "CZE" (0..0.2°E, 0..0.2°N, with the enclave "SMR" at 0.05..0.1°) and "D  "
// (0.2..0.4°E, 0..0.2°N, and an island at 1..1.1°E, 1..1.1°N). Lines: 1000000 the CZE/D border, 1000001 the CZE
// coast, 1000002 the D coast, 1000003 the enclave's border, 1000004 the island's coast.
inline constexpr const char* kSyntheticTopology = R"({"type":"Topology",
 "arcs":[[[0.2,0],[0.2,0.2]], [[0.2,0.2],[0,0.2],[0,0],[0.2,0]], [[0.2,0],[0.4,0],[0.4,0.2],[0.2,0.2]],
         [[0.05,0.05],[0.1,0.05],[0.1,0.1],[0.05,0.1],[0.05,0.05]], [[1,1],[1.1,1],[1.1,1.1],[1,1.1],[1,1]]],
 "objects":{"countries":{"type":"GeometryCollection","geometries":[
   {"type":"Polygon","id":"203","properties":{"name":"Czechia"},"arcs":[[1,0],[3]]},
   {"type":"MultiPolygon","id":"276","properties":{"name":"Germany"},"arcs":[[[2,-1]],[[4]]]},
   {"type":"Polygon","id":"674","properties":{"name":"San Marino"},"arcs":[[3]]}]}}})";

// A fresh empty folder for this test (ending with "/"), removed when the tests end.
std::string TestFolder(const std::string& name);

// A fresh folder under the test temporary folder holding the synthetic database; empty on failure.
std::string WriteSyntheticDatabase(const std::string& name);

// Places that look only in folder (no INI file).
AtlasPlaces OnlyIn(const std::string& folder);

// The build tree's database folder, or empty text when the build made none.
std::string BuiltDatabase();

double Rad(double degrees);

// Tests over the synthetic database, in a folder of their own.
class SyntheticAtlasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = WriteSyntheticDatabase("db");
    ASSERT_FALSE(dir_.empty());
  }
  std::string dir_;
  ScriptedHost host_;
};

// Tests over the build's real database; skipped when the build made none.
class RealAtlasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = BuiltDatabase();
    if (dir_.empty()) GTEST_SKIP() << "no world map database in the build tree";
  }
  std::string dir_;
  ScriptedHost host_;
};

}  // namespace quorla::geoatlas::testing
