#include <gtest/gtest.h>

#include "atlas_builder.h"
#include "atlas_fixture.h"
#include "topology.h"
#include "world_files.h"

namespace quorla::geoatlas {
namespace {

IndexRecord Record(int32_t number, char type, Window w) {
  IndexRecord r;
  r.code = {'C', 'Z', 'E'};
  r.type = type;
  r.number = number;
  r.pointCount = 2;
  r.pointOffset = 8;
  r.window = w;
  return r;
}

TEST(LineIndex, RecordsRoundTripAndSmallNumbersEndThePass) {
  const std::vector<IndexRecord> in = {Record(1000000, 'B', {0.1f, 0.2f, 0.3f, 0.4f}),
                                       Record(1000001, 'C', {-3.1f, -1.5f, 3.1f, 1.5f}),
                                       Record(999999, 'C', {0, 0, 0, 0}),
                                       Record(1000002, 'C', {0, 0, 0, 0})};
  const auto bytes = WriteLineIndex(in);
  ASSERT_EQ(bytes.size(), 5 * kIndexRecordSize);
  std::vector<IndexRecord> out;
  EXPECT_EQ(ReadLineIndex(bytes, out), FileStatus::Ok);
  ASSERT_EQ(out.size(), 2u);
  EXPECT_EQ(out[1].number, 1000001);
  EXPECT_EQ(out[1].type, 'C');
  EXPECT_EQ(out[1].window.west, -3.1f);
  EXPECT_EQ(out[0].firstWindow, FirstWindowOf(in[0].window));
}

TEST(CountryTable, HeaderCountsWordsAndBlocks) {
  CountryTable t;
  Area a;
  a.code = {'S', 'M', 'R'};
  a.inner = true;
  a.window = {0.1f, 0.2f, 0.3f, 0.4f};
  a.rings = {{1, -2}, {3}};
  t.areas = {a, a};
  t.areas[1].inner1 = 0;
  t.fixedList = {1000005};
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(WriteCountryTable(t, bytes));
  const int words = 3 + 2 * (7 + 1 + 2 + 1 + 1);
  EXPECT_EQ(bytes[0] | bytes[1] << 8, 2);
  EXPECT_EQ(bytes[2] | bytes[3] << 8, words);
  const int blocks = 1 + (4 * words + 17) / 18;
  EXPECT_EQ(bytes[4] | bytes[5] << 8, blocks);
  EXPECT_EQ(bytes.size(), 18u * blocks);
  CountryTable back;
  ASSERT_EQ(ReadCountryTable(bytes, back), FileStatus::Ok);
  ASSERT_EQ(back.areas.size(), 2u);
  EXPECT_EQ(back.areas[1].inner1, 0);
  EXPECT_EQ(back.areas[1].inner2, -1);
  EXPECT_TRUE(back.areas[0].inner);
  EXPECT_EQ(back.areas[0].rings, a.rings);
  EXPECT_EQ(back.fixedList, t.fixedList);
}

TEST(Converter, SyntheticTopologyGivesTypesAreasAndBorderFiles) {
  Topology topo;
  std::string error;
  ASSERT_TRUE(ReadTopology(testing::kSyntheticTopology, "countries", topo, error)) << error;
  BuiltAtlas atlas;
  ASSERT_TRUE(BuildAtlas(topo, atlas, error)) << error;
  std::string types;
  for (const auto& r : atlas.index) types += r.type;
  EXPECT_EQ(types, "BBCCBBC");  // each border under both codes
  ASSERT_EQ(atlas.table.areas.size(), 4u);
  const Area& cze = atlas.table.areas[0];
  EXPECT_EQ(std::string(cze.code.data(), 3), "CZE");
  EXPECT_EQ(cze.inner1, 3);  // the San Marino area fills its hole
  EXPECT_EQ(cze.rings.size(), 1u);
  EXPECT_TRUE(atlas.table.areas[3].inner);
  EXPECT_EQ(std::string(atlas.table.areas[1].code.data(), 3), "D  ");
  ASSERT_EQ(atlas.borders.size(), 2u);  // CZE/D and CZE/SMR: CZE is on the agreement's list
}

TEST(Converter, RejectsBrokenInput) {
  const char* inputs[] = {
      "", "{", "[1,2", R"({"arcs":[[[0,0],[1,1]]]})",
      R"({"arcs":[[[0,0],[1,1]]],"objects":{"countries":{"geometries":[{"type":"Polygon","arcs":[[5]]}]}}})",
      R"({"arcs":[[[0,0],[1,1]]],"objects":{"countries":{"geometries":[{"type":"Polygon","arcs":[[1e300]]}]}}})",
      // A position or a transform that is not numbers is refused, not read as zero.
      R"({"arcs":[[["0",0],[1,1]]],"objects":{"countries":{"geometries":[]}}})",
      R"({"arcs":[],"transform":{"scale":[1,null],"translate":[0,0]},"objects":{"countries":{"geometries":[]}}})",
      "{\"arcs\":[],\"objects\":{\"countries\":{\"geometries\":[{\"id\":\"\xff\"}]}}}",  // not UTF-8
      R"({"arcs":[[[1e400,0],[1,1]]],"objects":{"countries":{"geometries":[]}}})",  // number out of range
  };
  for (const char* in : inputs) {
    Topology topo;
    std::string error;
    EXPECT_FALSE(ReadTopology(in, "countries", topo, error)) << in;
    EXPECT_FALSE(error.empty());
  }
}

TEST(Converter, FeatureIdsAsTextOrWholeNumbers) {
  Topology topo;
  std::string error;
  ASSERT_TRUE(ReadTopology(R"({"arcs":[],"objects":{"countries":{"geometries":[
      {"type":"Point","id":"203"},{"type":"Point","id":276},{"type":"Point","id":1e300},
      {"type":"Point","id":null},{"type":"Point"}]}}})", "countries", topo, error)) << error;
  std::vector<std::string> ids;
  for (const TopoFeature& f : topo.features) ids.push_back(f.id);
  EXPECT_EQ(ids, (std::vector<std::string>{"203", "276", "", "", ""}));
}

}  // namespace
}  // namespace quorla::geoatlas
