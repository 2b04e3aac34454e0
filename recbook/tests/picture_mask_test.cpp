#include <gtest/gtest.h>

#include "records/picture_mask.h"

using recbook::FormatMask;

TEST(PictureMask, WritesEachMaskAtItsWidth) {
  const struct {
    double value;
    const char* mask;
    const char* expected;
  } cases[] = {
      {145.5375, "#####.#####", "  145.53750"},
      {-2.5, "###.#", " -2.5"},
      {-0.04, "###.#", "  0.0"},  // rounds to zero: no sign
      {0.5, "###.#", "  0.5"},
      {0, "#####", "    0"},  // a fixed station's radius of 0 km is not a blank item
      {0, "##.#", " 0.0"},
      {359.95, "###.#", "360.0"},
      {12.25, "##.#", "12.3"},  // half away from zero
      {-12.25, "####.#", " -12.3"},
      {7, "00", "07"},
      {42, "000000", "000042"},
      {3, "####", "   3"},
      {99999.999994, "#####.#####", "99999.99999"},
      // Halves in the decimal digits, just below them as doubles, round as the digits say.
      {0.00015, "#.####", "0.0002"},
      {1.005, "#.##", "1.01"},
      {567.01785, "###.####", "567.0179"},
      {0.15 / 1000, "#####.####", "    0.0002"},
      {0.3 - 0.1, "#.#", "0.2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.mask) + " " + std::to_string(c.value));
    EXPECT_EQ(FormatMask(c.value, c.mask).value_or("<none>"), c.expected);
  }
}

TEST(PictureMask, RefusesNumbersThatDoNotFit) {
  EXPECT_FALSE(FormatMask(100000, "#####").has_value());
  EXPECT_FALSE(FormatMask(-999.9, "###.#").has_value());  // no room for the sign
  EXPECT_FALSE(FormatMask(999.96, "###.#").has_value());  // rounds up to 1000.0
  EXPECT_EQ(recbook::MaskedItem(1e9, "####"), "****");
}
