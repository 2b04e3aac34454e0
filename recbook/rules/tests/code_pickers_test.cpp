#include "code_pickers.h"

#include <gtest/gtest.h>

#include "records/item_table.h"

namespace recbook {
namespace {

constexpr Language kEn = Language::English;

// The line index of the code line whose text starts with prefix (1-based as the picker shows it).
size_t LineStarting(const CodeList& list, std::string_view prefix) {
  for (size_t k = 0; k < list.lines.size(); ++k)
    if (list.lines[k].line.en.rfind(prefix, 0) == 0) return k + 1;
  ADD_FAILURE() << "no line " << prefix;
  return 0;
}

TEST(CodePickers, OpenLineAndWhatOkWrites) {
  struct Case {
    const CodeList* list;
    std::string_view current;
    std::string_view opensOn;  // prefix of the selected line; empty = the missing/wrong line
    std::string_view choose;   // prefix of the line chosen; empty = the missing/wrong line
    std::string_view writes;
  };
  const Case kCases[] = {
      {&UseCategories(), "HH", "H = Radio reley network", "HH= Local call", "HH"},
      {&UseCategories(), "J ", "", "A = Airport", "A "},
      {&Polarisations(), "SR", "SR = Right", "H  =  Horizontal", "H "},
      {&Polarisations(), "S", "", "", "  "},
      {&Countries(), "D  ", "Germany", "Germany", "D  "},
      {&Countries(), "D", "Germany", "", "   "},
      {&Countries(), "XYZ", "", "Czech Republic", "CZE"},
      {&StationClasses(), "XX", "", "", "  "},
      {&StationClasses(), "FW", "FW =", "ML  =", "ML"},
      {&ServiceNatures(), "CV", "CV  =", "OT  =", "OT"},
      {&FrequencyCategories(), "3", "3  =", "5  =", "5"},
      {&FrequencyCategories(), "", "", "", " "},
      {&CoordinationStatuses(), "W", "W=", "Z =", "Z"},
      {&CoordinationStatuses(), "Q", "", "", " "},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(Spec(c.list->item).code) + " " + std::string(c.current));
    const size_t open = PickerOpenLine(*c.list, c.current);
    EXPECT_EQ(open, c.opensOn.empty() ? 0 : LineStarting(*c.list, c.opensOn));
    const size_t chosen = c.choose.empty() ? 0 : LineStarting(*c.list, c.choose);
    EXPECT_EQ(PickerResult(*c.list, chosen, kEn), std::optional<std::string>(c.writes));
    // The Czech lines hold the same codes.
    EXPECT_EQ(PickerResult(*c.list, chosen, Language::Czech), std::optional<std::string>(c.writes));
  }
}

TEST(CodePickers, OptionButtonsOfChannelOccupationAndReferenceAntenna) {
  EXPECT_EQ(PickerOpenLine(ChannelOccupations(), " "), 1u);  // a blank counts as 0
  EXPECT_EQ(PickerOpenLine(ChannelOccupations(), "0"), 1u);
  EXPECT_EQ(PickerOpenLine(ChannelOccupations(), "1"), 2u);
  EXPECT_EQ(PickerOpenLine(ChannelOccupations(), "2"), 0u);
  EXPECT_EQ(PickerOpenLine(ReferenceAntennas(), "I"), 2u);
  EXPECT_EQ(PickerOpenLine(ReferenceAntennas(), " "), 0u);
  EXPECT_EQ(PickerResult(ChannelOccupations(), 1, kEn), "0");
  EXPECT_EQ(PickerResult(ReferenceAntennas(), 1, kEn), "E");
  EXPECT_EQ(PickerResult(ReferenceAntennas(), 2, kEn), "I");
  EXPECT_EQ(PickerResult(ReferenceAntennas(), 0, kEn), std::nullopt);  // no button checked
}

TEST(CodePickers, FrequencyDialogSelectsTheFinestBand) {
  const auto bands = FrequencyBands();
  struct Case {
    std::string_view entry;
    std::string_view band;  // line shown; empty = none
    std::string_view status;
  };
  const Case kCases[] = {
      {"169.7", "  169.6125 ... 169.8125  ERMES ", ""},
      {"900", "  890 ..... 915  GSM900 ", ""},
      {"920", "862 ........ 960 ", ""},
      {" 9 60 ", "  935 ..... 960  GSM900 ", ""},
      {"162", "150.05 ... 174 ", ""},
      {"382", "  380 ..... 385", ""},
      {"500", "", "Out of freq. bands !!"},
      {"150", "", "Out of freq. bands !!"},
      {"", "", "Freq. unfilled in !!"},
      {"   ", "", "Freq. unfilled in !!"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.entry);
    const FrequencyChoice choice = FrequencyBandFor(c.entry);
    EXPECT_EQ(choice.band.has_value(), !c.band.empty());
    if (choice.band) {
      EXPECT_EQ(bands[*choice.band].line.en, c.band);
    }
    EXPECT_EQ(choice.status.en, c.status);
  }
}

TEST(CodePickers, BandwidthToChannelSpacing) {
  struct Case {
    std::string_view code, line;  // line code; empty = no line
  };
  const Case kCases[] = {
      {"    ", "    "}, {"200K", "200K"}, {"5M00", "5M00"}, {"0K50", "4K30"}, {"4K40", "4K30"},
      {"4K41", "5K30"}, {"5K50", "5K30"}, {"5K51", "8K50"}, {"8K80", "8K50"}, {"8K81", "10K6"},
      {"11K0", "10K6"}, {"11K1", "14K0"}, {"14K0", "14K0"}, {"16K0", "16K0"}, {"16K1", ""},
      {"25K0", ""},     {"1M25", ""},     {"300K", ""},     {"1600", ""},     {"KK10", ""},
  };
  const auto lines = DesignationLists()[0].lines;
  for (const Case& c : kCases) {
    const auto k = BandwidthLine(c.code);
    EXPECT_EQ(k.has_value(), !c.line.empty()) << c.code;
    if (k) {
      EXPECT_EQ(lines[*k].code, c.line) << c.code;
    }
  }
}

TEST(CodePickers, DesignationSplitByPosition) {
  const auto lists = DesignationLists();
  auto codes = [&](std::string_view d) {
    const DesignationSelection s = SelectDesignationLines(d);
    std::string out;
    for (size_t p = 0; p < kDesignationPartCount; ++p)
      out += s[p] ? std::string(lists[p].lines[*s[p]].code) : std::string("?");
    return out;
  };
  EXPECT_EQ(codes("16K0F3EJN"), "16K0F3EJN");
  EXPECT_EQ(codes("11K0G7W"), "10K6G7W  ");
  EXPECT_EQ(codes("25K0Z5Q"), "?     ");  // unknown codes select the empty lines
  EXPECT_EQ(codes(""), "         ");
  EXPECT_EQ(codes("200KGXW"), "200KGXW  ");
}

TEST(CodePickers, DesignationEditing) {
  const auto line = [](DesignationPart p, std::string_view code) {
    const auto lines = DesignationLists()[static_cast<size_t>(p)].lines;
    for (size_t k = 0; k < lines.size(); ++k)
      if (lines[k].code == code) return k;
    return lines.size();
  };
  EXPECT_EQ(PlaceDesignationPart("", DesignationPart::Bandwidth, line(DesignationPart::Bandwidth, "14K0")), "14K0");
  EXPECT_EQ(PlaceDesignationPart("16K0", DesignationPart::Modulation, line(DesignationPart::Modulation, "F")), "16K0F");
  EXPECT_EQ(PlaceDesignationPart("16K0F3E", DesignationPart::Information, 0), "16K0F3");
  EXPECT_EQ(PlaceDesignationPart("16K0F3E", DesignationPart::Multiplex, line(DesignationPart::Multiplex, "T")),
            "16K0F3E T");
  EXPECT_EQ(FilterDesignationTyping("16k0f3e"), "16K0F3E");
  EXPECT_EQ(FilterDesignationTyping("1x6 K0F3E"), "16K0F3E");
  EXPECT_EQ(FilterDesignationTyping("ABCD16K0F3EJNXX"), "16K0F3EJN");
}

TEST(CodePickers, ViewerHighlightsTheRecordsCode) {
  StationRecord r = RecordFromText<StationRecord>("");
  SetItem(r, Item::k6A, "FX");
  SetItem(r, Item::k9D, "SL");
  SetItem(r, Item::k1Z, "9");
  SetItem(r, Item::k4B, "HOL");
  const auto classes = ViewerCodes(ViewerTable::StationClass, r);
  ASSERT_TRUE(classes && classes->highlighted);
  EXPECT_EQ(classes->lines[*classes->highlighted].line.en, "FX = Fixed station ");
  EXPECT_EQ(classes->title.en, "  [6A]  Class of station");
  const auto pol = ViewerCodes(ViewerTable::Polarisation, r);
  ASSERT_TRUE(pol && pol->highlighted);
  EXPECT_EQ(pol->lines[*pol->highlighted].line.en, std::string("SL = Left-hand slant in 45") + '\xB0' + " cone from ant.");
  const auto cat = ViewerCodes(ViewerTable::FrequencyCategory, r);
  ASSERT_TRUE(cat);
  EXPECT_FALSE(cat->highlighted);
  EXPECT_EQ(cat->lines.size(), 5u);  // no line for a missing or wrong code
  const auto country = ViewerCodes(ViewerTable::Country, r);
  ASSERT_TRUE(country && country->highlighted);
  EXPECT_EQ(country->lines[*country->highlighted].line.en, "Nederland ............. HOL");
  EXPECT_FALSE(ViewerCodes(ViewerTable::Designation, r));
}

}  // namespace
}  // namespace recbook
