#include <gtest/gtest.h>

#include <map>
#include <set>

#include "atlas_fixture.h"
#include "world_atlas.h"

namespace quorla::geoatlas {
namespace {

using testing::Rad;

struct Returned {
  int32_t number;
  char type;
  std::vector<float> points;
};

// One pass until done = 1.
std::vector<Returned> Pass(WorldAtlas& atlas, int32_t unit = 2, int32_t capacity = 1050) {
  std::vector<Returned> lines;
  std::vector<float> buffer(2 * static_cast<size_t>(capacity));
  for (int guard = 0; guard < 100000; ++guard) {
    int32_t line = 0, n = 0, done = 0;
    char type = ' ';
    atlas.Geoliw(unit, buffer.data(), capacity, line, n, type, done);
    if (done) break;
    lines.push_back({line, type, std::vector<float>(buffer.begin(), buffer.begin() + 2 * n)});
  }
  return lines;
}

std::map<int32_t, char> Numbers(const std::vector<Returned>& lines) {
  std::map<int32_t, char> m;
  for (const auto& l : lines) EXPECT_TRUE(m.emplace(l.number, l.type).second) << "line " << l.number << " twice";
  return m;
}

void Window(WorldAtlas& atlas, double w, double s, double e, double n, std::string codes = {}) {
  atlas.Geodwd(static_cast<float>(Rad(w)), static_cast<float>(Rad(s)), static_cast<float>(Rad(e)),
               static_cast<float>(Rad(n)), 0, static_cast<int32_t>(codes.size() / 3), codes.data());
}

using SyntheticLines = testing::SyntheticAtlasTest;

TEST_F(SyntheticLines, FirstCallWithoutWindowGivesTheWorldOnceEach) {
  WorldAtlas atlas(host_, testing::OnlyIn(dir_));
  const auto numbers = Numbers(Pass(atlas));
  const std::map<int32_t, char> expected = {
      {1000000, 'B'}, {1000001, 'C'}, {1000002, 'C'}, {1000003, 'B'}, {1000004, 'C'}};
  EXPECT_EQ(numbers, expected);
  EXPECT_EQ(Numbers(Pass(atlas)), expected);  // the next call starts the next pass
}

TEST_F(SyntheticLines, CountryFilterAndWindows) {
  struct Case {
    double w, s, e, n;
    std::string codes;
    std::set<int32_t> lines;
  } cases[] = {
      {-1, -1, 2, 2, "CZE", {1000000, 1000001, 1000003}},
      {-1, -1, 2, 2, "D  ", {1000000, 1000002, 1000004}},
      {-1, -1, 2, 2, "CZED  D  ", {1000000, 1000001, 1000002, 1000003, 1000004}},
      {-1, -1, 2, 2, "   ", {}},                     // a blank code stands for "---"
      {0.95, 0.95, 1.15, 1.15, "", {1000004}},       // only the island
      {50, 0.95, 50, 1.15, "", {1000004}},           // west = east: all longitudes
      {0.25, 0.05, 0.35, 0.15, "", {}},              // inside D, meeting no line
  };
  for (const Case& c : cases) {
    WorldAtlas atlas(host_, testing::OnlyIn(dir_));
    Window(atlas, c.w, c.s, c.e, c.n, c.codes);
    std::set<int32_t> got;
    for (const auto& l : Pass(atlas)) got.insert(l.number);
    EXPECT_EQ(got, c.lines) << "filter '" << c.codes << "' window " << c.w << " " << c.s;
  }
}

TEST_F(SyntheticLines, ClippedLinesStayInsideTheWindow) {
  WorldAtlas atlas(host_, testing::OnlyIn(dir_));
  Window(atlas, 0.15, 0.025, 0.3, 0.15);
  const auto lines = Pass(atlas);
  EXPECT_EQ(Numbers(lines).count(1000000), 1u);
  for (const auto& l : lines)
    for (size_t i = 0; i < l.points.size(); i += 2) {
      EXPECT_GE(l.points[i], 0.15f - 1e-4f);
      EXPECT_LE(l.points[i], 0.3f + 1e-4f);
      EXPECT_GE(l.points[i + 1], 0.025f - 1e-4f);
      EXPECT_LE(l.points[i + 1], 0.15f + 1e-4f);
    }
}

TEST_F(SyntheticLines, UnitsAndCapacity) {
  WorldAtlas atlas(host_, testing::OnlyIn(dir_));
  Window(atlas, 0.95, 0.95, 1.15, 1.15);
  const auto degrees = Pass(atlas, 2);
  Window(atlas, 0.95, 0.95, 1.15, 1.15);
  const auto radians = Pass(atlas, 1);
  ASSERT_EQ(degrees.size(), 1u);
  ASSERT_EQ(radians.size(), 1u);
  ASSERT_EQ(degrees[0].points.size(), 10u);
  EXPECT_NEAR(degrees[0].points[0], 1.0, 1e-4);
  EXPECT_NEAR(radians[0].points[0], Rad(1.0), 1e-6);
  Window(atlas, 0.95, 0.95, 1.15, 1.15);
  const auto cut = Pass(atlas, 2, 3);
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].points.size(), 6u);  // never more than the caller's capacity
}

using RealLines = testing::RealAtlasTest;

TEST_F(RealLines, EuropePassReturnsEachBorderOnceInsideTheWindow) {
  WorldAtlas atlas(host_, testing::OnlyIn(dir_));
  Window(atlas, -25, 34, 45, 72);
  const auto lines = Pass(atlas);
  const auto numbers = Numbers(lines);
  size_t borders = 0;
  for (const auto& [n, type] : numbers) borders += type == 'B';
  EXPECT_GT(borders, 80u);
  for (const auto& l : lines)
    for (size_t i = 0; i < l.points.size(); i += 2) {
      ASSERT_TRUE(l.points[i] >= -25.001f && l.points[i] <= 45.001f) << l.number;
      ASSERT_TRUE(l.points[i + 1] >= 33.999f && l.points[i + 1] <= 72.001f) << l.number;
    }
  EXPECT_TRUE(atlas.usable());
}

TEST_F(RealLines, FixedListPass) {
  WorldAtlas atlas(host_, testing::OnlyIn(dir_));
  atlas.Geodwd(-3.2f, -1.6f, 3.2f, 1.6f, 0, 1, "R13");
  const auto lines = Pass(atlas);
  EXPECT_EQ(lines.size(), 30u);
  for (const auto& l : lines) EXPECT_EQ(l.type, 'B');
}

TEST_F(RealLines, WholeWorldPassStaysWithinTheReturnedLinesLimit) {
  WorldAtlas atlas(host_, testing::OnlyIn(dir_));
  Window(atlas, 0, -90, 0, 90);
  const auto lines = Pass(atlas);
  EXPECT_GT(lines.size(), 3000u);
  EXPECT_TRUE(atlas.usable());
}

}  // namespace
}  // namespace quorla::geoatlas
