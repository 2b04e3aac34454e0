#include <gtest/gtest.h>

#include "line_clip.h"
#include "line_simplify.h"
#include "point_in_area.h"

namespace quorla::geoatlas {
namespace {

// An L-shaped outline (radians): the square 0..0.002 without its upper right quarter.
const std::vector<float> kL = {0, 0, 0.002f, 0, 0.002f, 0.001f, 0.001f, 0.001f, 0.001f, 0.002f, 0, 0.002f};

TEST(PointInArea, InsideOutsideAndOnTheOutline) {
  struct Case {
    double lon, lat;
    bool inside;
  } cases[] = {
      {0.0005, 0.0005, true},  {0.0015, 0.0005, true}, {0.0005, 0.0015, true},
      {0.0015, 0.0015, false},                            // the missing quarter
      {0.003, 0.0005, false},  {-0.0001, 0.001, false},  {0.001, -0.01, false},
      {0.001, 0.0, true},      {0.0015, 0.001, true},    // on an edge
      {0.001, 0.001, true},                               // on the inner corner
  };
  std::vector<float> scratch;
  for (const Case& c : cases) {
    EXPECT_EQ(OutlineContains(kL, c.lon, c.lat, 0.002, scratch), c.inside) << c.lon << " " << c.lat;
    // Walking the outline the other way round changes nothing.
    std::vector<float> reversed;
    for (size_t i = kL.size(); i >= 2; i -= 2) reversed.insert(reversed.end(), {kL[i - 2], kL[i - 1]});
    EXPECT_EQ(OutlineContains(reversed, c.lon, c.lat, 0.002, scratch), c.inside) << c.lon << " " << c.lat;
  }
}

TEST(PointInArea, ClippingKeepsTheWindingInsideTheBox) {
  std::vector<float> clipped, scratch;
  ClipOutline(kL, {0.0004, 0.0004, 0.0012, 0.0012}, clipped);
  EXPECT_TRUE(OutlineContains(clipped, 0.0006, 0.0006, 0.001, scratch));
  EXPECT_FALSE(OutlineContains(clipped, 0.00115, 0.00115, 0.00001, scratch));
  ClipOutline(kL, {0.01, 0.01, 0.02, 0.02}, clipped);
  EXPECT_TRUE(clipped.empty());
}

TEST(LineClip, PartsOutsideFollowTheWindowEdge) {
  const Box box{0, 0, 1, 1};
  struct Case {
    std::vector<float> line;
    bool returned;
    std::vector<float> expected;
  } cases[] = {
      {{0.2f, 0.2f, 0.8f, 0.8f}, true, {0.2f, 0.2f, 0.8f, 0.8f}},
      {{-1, 0.5f, 2, 0.5f}, true, {0, 0.5f, 1, 0.5f}},
      {{2, 2, 3, 3}, false, {}},
      // Leaves over the top and comes back over the right edge: round the corner, not across.
      {{0.5f, 0.5f, 0.5f, 2, 2, 2, 2, 0.5f, 0.5f, 0.5f}, true,
       {0.5f, 0.5f, 0.5f, 1, 1, 1, 1, 0.5f, 0.5f, 0.5f}},
  };
  std::vector<float> out;
  for (const Case& c : cases) {
    EXPECT_EQ(ClipLine(c.line, box, out), c.returned);
    EXPECT_EQ(out, c.expected);
  }
}

TEST(LineSimplify, DropsPointsWithinTheTolerance) {
  std::vector<float> line = {0, 0, 1, 0.001f, 2, 0, 3, 1, 4, 0};
  SimplifyLine(line, 0.01);
  EXPECT_EQ(line, (std::vector<float>{0, 0, 2, 0, 3, 1, 4, 0}));
  SimplifyLine(line, 10);
  EXPECT_EQ(line, (std::vector<float>{0, 0, 4, 0}));
}

}  // namespace
}  // namespace quorla::geoatlas
