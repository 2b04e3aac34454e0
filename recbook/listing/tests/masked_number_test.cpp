// The list's numeric columns against MaskedItem of the lenient value: hand cases on the edges of
// rounding, width and sign, then many random item texts.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "lenient_number.h"
#include "listing/masked_number.h"
#include "records/picture_mask.h"

namespace recbook {
namespace {

std::string Mask(int intPositions, int decimals) {
  std::string mask(static_cast<size_t>(intPositions), '#');
  if (decimals > 0) mask += '.' + std::string(static_cast<size_t>(decimals), '#');
  return mask;
}

std::string Written(std::string_view item, int intPositions, int decimals) {
  std::string out(Mask(intPositions, decimals).size(), '?');
  WriteMaskedNumber(item, intPositions, decimals, out.data());
  return out;
}

std::string Expected(std::string_view item, int intPositions, int decimals) {
  return MaskedItem(quorla::LenientNumber(item), Mask(intPositions, decimals));
}

TEST(MaskedNumber, EdgesOfRoundingWidthAndSign) {
  const struct {
    const char* item;
    int intPositions, decimals;
    const char* shown;
  } cases[] = {
      {"  145.53750", 5, 4, "  145.5375"},  // trailing zero dropped
      {"  145.53751", 5, 4, "  145.5375"},
      {"  145.53759", 5, 4, "  145.5376"},
      {"  0.00015", 5, 4, "    0.0002"},  // a half in its digits, below a half as a double
      {"  567.01785", 5, 4, "  567.0179"},
      {"99999.99996", 5, 4, "**********"},  // rounds up past the integer positions
      {"  -10.0", 4, 1, " -10.0"},
      {"-9999.9", 4, 1, "******"},  // no room for the sign
      {"-0.01", 4, 1, "   0.0"},    // rounds to zero: no sign
      {"   .5", 4, 0, "   1"},      // an exact half, away from zero
      {"  2.5", 4, 0, "   3"},
      {" 12x7", 4, 0, "  12"},  // the number ends at the first other character
      {"\t+7.25", 4, 1, "   7.3"},
      {"   ", 4, 1, "   0.0"},
      {"1234567890123456", 5, 0, "*****"},  // more digits than the exact path reads
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    EXPECT_EQ(Written(c.item, c.intPositions, c.decimals), c.shown);
    EXPECT_EQ(Written(c.item, c.intPositions, c.decimals), Expected(c.item, c.intPositions, c.decimals));
  }
}

TEST(MaskedNumber, RandomItemsAsMaskedItemShowsThem) {
  std::mt19937 random(17);
  const std::string alphabet = "0123456789012345678901234567890123456789    ..-+\tx";
  const int masks[][2] = {{5, 4}, {4, 1}, {4, 0}, {5, 0}, {2, 3}};
  for (int n = 0; n < 200000; ++n) {
    std::string item(4 + random() % 9, ' ');
    for (char& c : item) c = alphabet[random() % alphabet.size()];
    const auto& m = masks[n % 5];
    ASSERT_EQ(Written(item, m[0], m[1]), Expected(item, m[0], m[1])) << "'" << item << "' " << m[0] << "." << m[1];
  }
}

}  // namespace
}  // namespace recbook
