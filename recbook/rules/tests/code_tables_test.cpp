#include "code_tables.h"

#include <gtest/gtest.h>

#include <string>

namespace recbook {
namespace {

const CodeList* const kAllLists[] = {&FrequencyCategories(), &StationClasses(), &ServiceNatures(),
                                     &UseCategories(), &ChannelOccupations(), &Countries(),
                                     &ReferenceAntennas(), &Polarisations(), &CoordinationStatuses()};

// Single-byte lines: printable ASCII, and the degree sign 0xB0 only.
bool SingleByteLine(std::string_view s) {
  for (unsigned char c : s)
    if (!((c >= 0x20 && c < 0x7F) || c == 0xB0)) return false;
  return true;
}

TEST(CodeTables, EveryLineCarriesItsCodeInBothLanguages) {
  for (const CodeList* list : kAllLists) {
    const size_t width = Spec(list->item).width;
    SCOPED_TRACE(Spec(list->item).code);
    for (const CodeLine& l : list->lines) {
      EXPECT_EQ(l.code.size(), width) << l.code;
      for (Language lang : {Language::English, Language::Czech}) {
        const std::string_view s = l.line(lang);
        EXPECT_TRUE(SingleByteLine(s)) << s;
        const std::string_view code =
            list->picked == PickedPart::LastThree ? s.substr(s.size() - 3) : s.substr(0, width);
        EXPECT_EQ(code, l.code) << s;
      }
    }
    for (Language lang : {Language::English, Language::Czech}) {
      EXPECT_TRUE(SingleByteLine(list->title(lang)));
      EXPECT_TRUE(SingleByteLine(list->firstLine(lang)));
    }
  }
}

TEST(CodeTables, ListOfAnItem) {
  for (const CodeList* list : kAllLists) EXPECT_EQ(CodeListOf(list->item), list) << Spec(list->item).code;
  for (const Item item : {Item::k1A, Item::k4A, Item::k7A, Item::k13X}) EXPECT_EQ(CodeListOf(item), nullptr);
}

TEST(CodeTables, DesignationListsStartEmptyAndCarryTheirCodes) {
  for (const DesignationList& list : DesignationLists()) {
    ASSERT_FALSE(list.lines.empty());
    EXPECT_EQ(list.lines[0].line.en, "Empty item  !!");
    EXPECT_EQ(list.lines[0].code, std::string(list.width, ' '));
    for (size_t k = 1; k < list.lines.size(); ++k) {
      EXPECT_EQ(list.lines[k].code.size(), list.width);
      EXPECT_EQ(list.lines[k].line.en.substr(0, list.width), list.lines[k].code);
      EXPECT_EQ(list.lines[k].line.cs.substr(0, list.width), list.lines[k].code);
      EXPECT_TRUE(SingleByteLine(list.lines[k].line.cs)) << list.lines[k].line.cs;
    }
  }
  EXPECT_EQ(DesignationLists()[0].lines.size(), 9u);  // empty + 8 bandwidths
  EXPECT_EQ(DesignationLists()[1].lines.size(), 19u);  // empty + 18 modulations
  EXPECT_EQ(DesignationLists()[2].lines.size(), 9u);
  EXPECT_EQ(DesignationLists()[3].lines.size(), 10u);
  EXPECT_EQ(DesignationLists()[4].lines.size(), 16u);
  EXPECT_EQ(DesignationLists()[5].lines.size(), 7u);
}

TEST(CodeTables, SlantPolarisationsCarryTheDegreeByte) {
  const auto& lines = Polarisations().lines;
  EXPECT_EQ(lines[2].line.en, std::string("SR = Right-hand slant in 45") + '\xB0' + " cone from ant.");
  EXPECT_EQ(lines[3].line.en, std::string("SL =  Left-hand slant in 45") + '\xB0' + " cone from ant.");
  EXPECT_EQ(ViewerPolarisations()[3].line.en, std::string("SL = Left-hand slant in 45") + '\xB0' + " cone from ant.");
  size_t withDegree = 0;
  for (const CodeLine& l : lines) withDegree += l.line.en.find('\xB0') != std::string_view::npos;
  EXPECT_EQ(withDegree, 2u);
}

TEST(CodeTables, CountryHelpListIsInItsShownOrder) {
  const char* const names[] = {"Czech Republic", "Slovak Republic", "Poland", "Russia", "Lituania", "Latvia",
                               "Estonia", "Belorussia", "Denmark", "Moldavia", "Ukraina", "Hungaria",
                               "United Kingdom", "France", "Spain", "Belgium", "Nederland", "Germany",
                               "Switzerland", "Italy", "Austria", "Slovenia", "Croatia",
                               "Bosnia and Herzegovina", "Yugoslavia", "Makedonia", "Bulgaria", "Romania",
                               "Albania"};
  const auto& lines = Countries().lines;
  ASSERT_EQ(lines.size(), std::size(names));
  for (size_t k = 0; k < lines.size(); ++k) {
    EXPECT_EQ(lines[k].line.en.size(), 27u) << lines[k].line.en;
    EXPECT_EQ(lines[k].line.cs.size(), 27u) << lines[k].line.cs;
    EXPECT_EQ(lines[k].line.en.rfind(names[k], 0), 0u) << k;
  }
  EXPECT_EQ(Countries().firstLine.en, "Unfilled in / Else code   ");
}

TEST(CodeTables, FourteenTestedBandsAndSubBandsInsideTheirBands) {
  constexpr double kTested[][2] = {{29.7, 47},   {68, 74.8},   {75.2, 87.5}, {146, 149.9}, {150.05, 174},
                                   {380, 385},   {390, 395},   {406.1, 430}, {440, 470},   {862, 960},
                                   {1710, 1785}, {1805, 1880}, {1885, 2025}, {2110, 2200}};
  size_t t = 0;
  for (const FrequencyBand& b : FrequencyBands()) {
    if (b.parent >= 0) {
      const FrequencyBand& p = FrequencyBands()[static_cast<size_t>(b.parent)];
      EXPECT_FALSE(b.tested);
      EXPECT_GE(b.lower, p.lower);
      EXPECT_LE(b.upper, p.upper);
    }
    const double rep = std::stod(std::string(b.representative));
    EXPECT_TRUE(b.lower <= rep && rep <= b.upper) << b.line.en;
    if (!b.tested) continue;
    ASSERT_LT(t, std::size(kTested));
    EXPECT_EQ(b.lower, kTested[t][0]);
    EXPECT_EQ(b.upper, kTested[t][1]);
    ++t;
  }
  EXPECT_EQ(t, 14u);
}

TEST(CodeTables, BandTestToleranceAndGaps) {
  constexpr struct { double mhz; bool in; } kCases[] = {
      {29.7, true},      {29.6999, true},   {29.6998, false}, {47.0001, true},     {47.0002, false},
      {145.5375, false},  // below 146: in no band of the table
      {150.0, false},     // between 149.9 and 150.05
      {149.9001, true},  {150.0499, true},  {169.7, true},    {100.0, false},      {500.0, false},
      {890.0, true},     {1800.0, false},   {2200.0, true},   {0.0, false},        {-150.0, false},
  };
  for (const auto& c : kCases) EXPECT_EQ(InTestedBand(c.mhz), c.in) << c.mhz;
}

TEST(CodeTables, InfoButtonHiddenOnlyForBoxesWithoutDialog) {
  for (size_t k = 0; k < kStationItemCount; ++k) {
    const Item item = static_cast<Item>(k);
    const bool none = item == Item::k2C || item == Item::k13Z || item == Item::k2W || item == Item::k2Z;
    EXPECT_EQ(InfoButtonFor(item).has_value(), !none) << Spec(item).code;
  }
  EXPECT_EQ(InfoButtonFor(Item::k1Y)->caption.en, " Info: f [MHz]");
  EXPECT_EQ(InfoButtonFor(Item::k9XV)->dialog, InfoDialog::AntennaCodes);
}

}  // namespace
}  // namespace recbook
