#include <gtest/gtest.h>

#include <cstdlib>

#include "records/item_table.h"
#include "records/record_text.h"

using namespace recbook;

TEST(RecordText, FrequencyItemsReadInMegahertz) {
  const struct {
    const char* item;
    double mhz;
  } cases[] = {
      {"  145.53750M", 145.5375}, {"00145537.50K", 145.5375}, {"0000.145537G", 145.537},
      {"0000.145537g", 145.537},  {"00145537.50k", 145.5375}, {"  145.53750X", 145.5375},
      {"00000.15000G", 150.0},    {"  -12.5    M", -12.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    const auto f = FrequencyMHz(c.item);
    ASSERT_TRUE(f.has_value());
    EXPECT_NEAR(*f, c.mhz, 1e-9);
  }
  EXPECT_FALSE(FrequencyMHz("           M").has_value());
  EXPECT_FALSE(FrequencyMHz("            ").has_value());
  EXPECT_EQ(FrequencyItem(""), "           M");
  EXPECT_EQ(FrequencyItem(" 145.5375 "), "  145.53750M");
  EXPECT_EQ(FrequencyItem("1 45.5"), "  145.50000M");
}

TEST(RecordText, LenientNumbers) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"  12.5", 12.5}, {"\t\n-3", -3}, {"+7.25abc", 7.25}, {"abc", 0}, {"", 0}, {"1.2.3", 1.2},
      {" 1 2", 1},      {".5", 0.5},    {"-", 0},           {"00042", 42},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_DOUBLE_EQ(LenientNumber(c.text), c.value);
  }
}

// Item texts read as the nearest double, as strtod reads them: a frequency or a height on the
// edge of a mask's rounding then shows as its digits say.
TEST(RecordText, LenientNumbersAreCorrectlyRounded) {
  for (const char* text : {"0.3", "-0.1", "145.5375", "00123.45678", "0.00005", "9999.99995", "1234567890.12345",
                           "0.0000000000000000000007", "123456789012345678901234.5"}) {
    SCOPED_TRACE(text);
    if (std::string_view(text).size() > 22)
      EXPECT_DOUBLE_EQ(LenientNumber(text), std::strtod(text, nullptr));
    else
      EXPECT_EQ(LenientNumber(text), std::strtod(text, nullptr));
  }
}

TEST(RecordText, DatesDisplayAndSort) {
  EXPECT_EQ(DateToDisplay("01022003"), "01-02-2003");
  EXPECT_EQ(DateSortKey("01022003"), 20030201);
  EXPECT_EQ(DateToDisplay("        "), "");
  EXPECT_EQ(DateSortKey("        "), 0);
  EXPECT_EQ(DateFromDisplay("01-02-2003"), "01022003");
  EXPECT_EQ(DateFromDisplay(""), "        ");
  EXPECT_EQ(DateFromDisplay("1-2-2003-extra"), "122003ex");
  EXPECT_EQ(DateItem({2026, 12, 7}), "07122026");
}

TEST(RecordText, FixWidthAndBlankItems) {
  EXPECT_EQ(FixWidth("abc", 5), "abc  ");
  EXPECT_EQ(FixWidth("abcdef", 3), "abc");
  EXPECT_TRUE(IsBlankItem(""));
  EXPECT_TRUE(IsBlankItem("   "));
  EXPECT_FALSE(IsBlankItem("  0"));
}

TEST(RecordText, ItemsAreCutByColumn) {
  std::string text(219, ' ');
  text.replace(51, 15, "015E203050N0530");
  text.replace(204, 15, "CZE24000123011A");
  StationRecord r = RecordFromText<StationRecord>(text);
  EXPECT_EQ(ItemText(r, Item::k4C), "015E203050N0530");
  EXPECT_EQ(ItemText(r, Item::k13X), "CZE24000123011A");
  SetItem(r, Item::k4B, "D");
  EXPECT_EQ(ItemText(r, Item::k4B), "D  ");
  SetItem(r, Item::k4A, std::string(30, 'N'));  // cut to 20, neighbours untouched
  EXPECT_EQ(ItemText(r, Item::k4A), std::string(20, 'N'));
  EXPECT_EQ(ItemText(r, Item::k4B), "D  ");
}
