// Correction of one record: each repair and each option on and off, on a clean fixed and a clean
// mobile station with one defect at a time. Expected items and counts are worked out by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "antenna_code.h"
#include "antenna_types.h"
#include "correction/record_correction.h"
#include "records/item_table.h"

namespace recbook {
namespace {

using O = CorrectionOption;

struct Change {
  Item item;
  std::string_view text;
};

// A fixed station that passes every repair unchanged.
const std::vector<Change> kFixed = {
    {Item::k1A, "  145.53750M"}, {Item::k1Z, "1"},          {Item::k6A, "FX"},         {Item::k6B, "CP"},
    {Item::k6Z, "A "},           {Item::k10Z, "0"},         {Item::k2C, "01022003"},   {Item::k4A, "BRNO 1"},
    {Item::k4B, "CZE"},          {Item::k4C, "016E360049N1200"}, {Item::k4D, "    0"}, {Item::k4Z, "300 "},
    {Item::k7A, "16K0F3E  "},    {Item::k8B1, "  10.0"},    {Item::k8B2, "E"},         {Item::k9A, " 90.0"},
    {Item::k9B, " -2.5"},        {Item::k9D, "H "},         {Item::k9G, " 5.0"},       {Item::k9Y, "  30"},
    {Item::k9XH, "030EA10"},     {Item::k9XV, "000ND00"},   {Item::k1Y, "  150.53750M"}, {Item::k13Y, "A"},
    {Item::k2W, "01012025"},     {Item::k13X, "CZE250000010111"},
};
// What turns the fixed station into a clean mobile one.
const std::vector<Change> kMobile = {
    {Item::k6A, "ML"}, {Item::k4D, "   25"}, {Item::k4Z, ""},  {Item::k9A, ""},
    {Item::k9B, ""},   {Item::k9D, "V "},    {Item::k9Y, "   3"}, {Item::k9XH, "000ND00"},
};

StationRecord Build(std::initializer_list<const std::vector<Change>*> layers) {
  StationRecord r = RecordFromText<StationRecord>("");
  for (const auto* layer : layers)
    for (const Change& c : *layer) SetItem(r, c.item, c.text);
  return r;
}

constexpr float kNoTerrain = NAN;

struct Case {
  const char* name;
  bool mobile;
  std::vector<Change> before;
  std::vector<Change> after;  // items as they must come out; every other item unchanged
  int repairs;
  std::vector<O> off = {};
  float terrain = kNoTerrain;  // the height the terrain lookup gives everywhere
};

const Case kCases[] = {
    {"clean fixed station", false, {}, {}, 0},
    {"clean mobile station", true, {}, {}, 0},
    // Always made.
    {"lower case, not counted", false, {{Item::k6A, "fx"}, {Item::k6B, "cp"}, {Item::k4A, "brno 1"}, {Item::k13Z, "ab"}},
     {{Item::k6A, "FX"}, {Item::k6B, "CP"}, {Item::k4A, "BRNO 1"}, {Item::k13Z, "AB"}}, 0},
    {"blank [10Z] set 0, not counted", false, {{Item::k10Z, ""}}, {{Item::k10Z, "0"}}, 0},
    {"blank [4D] of a fixed station set 0, not counted", false, {{Item::k4D, ""}}, {{Item::k4D, "0    "}}, 0},
    {"blank [4D] of lower-case fixed class", false, {{Item::k6A, "fb"}, {Item::k4D, ""}},
     {{Item::k6A, "FB"}, {Item::k4D, "0    "}}, 0},
    {"blank [4D] of a mobile station stays", true, {{Item::k4D, ""}}, {}, 0},
    {"blank [4D] of another class stays", false, {{Item::k6A, "XY"}, {Item::k4D, ""}}, {}, 0},
    {"blank [8B2] set E, counted", false, {{Item::k8B2, ""}}, {{Item::k8B2, "E"}}, 1},
    {"[13X] left-aligned, not counted", false, {{Item::k13X, "   CZE25000001"}}, {{Item::k13X, "CZE25000001"}}, 0},
    // O1.
    {"O1 9 MHz transmitter", false, {{Item::k1A, "    9.00000M"}}, {{Item::k1A, "           M"}}, 1, {O::kReceiverPower}},
    {"O1 off", false, {{Item::k1A, "    9.00000M"}}, {}, 0, {O::kLowFrequency, O::kReceiverPower}},
    {"O1 then O2 on the cleared frequency", false, {{Item::k1A, "    9.00000M"}},
     {{Item::k1A, "           M"}, {Item::k8B1, ""}}, 2},
    {"O1 kHz receiver below 10 MHz", false, {{Item::k1Y, "09999.99999K"}}, {{Item::k1Y, "           K"}}, 1},
    {"O1 GHz unit", false, {{Item::k1Y, "0000.009000G"}}, {{Item::k1Y, "           G"}}, 1},
    {"O1 10 MHz stays", false, {{Item::k1A, "00010.00000M"}}, {}, 0},
    {"O1 blank frequency not counted", false, {{Item::k1Y, "           M"}}, {}, 0},
    // O2.
    {"O2 receiver without power", false, {{Item::k1A, "           M"}}, {{Item::k8B1, ""}}, 1},
    {"O2 off", false, {{Item::k1A, "           M"}}, {}, 0, {O::kReceiverPower}},
    {"O2 receiver already without power", false, {{Item::k1A, ""}, {Item::k8B1, ""}}, {}, 0},
    // O3: 6A, 4A, 4D, 4Z, 9A, 9B, 9D, 9Y, 9XH change.
    {"O3 fixed station without co-ordinates", false, {{Item::k4C, ""}, {Item::k4A, "BRNO"}},
     {{Item::k6A, "ML"}, {Item::k4A, "INTR-BRNO"}, {Item::k4D, ""}, {Item::k4Z, ""}, {Item::k9A, ""}, {Item::k9B, ""},
      {Item::k9D, "V "}, {Item::k9Y, "3   "}, {Item::k9XH, "000ND00"}},
     9},
    {"O3 off", false, {{Item::k4C, ""}}, {}, 0, {O::kWholeCountry}},
    {"O3 blank name", true, {{Item::k4C, ""}, {Item::k4A, ""}}, {{Item::k4A, "INTR"}, {Item::k4D, ""}}, 2},
    {"O3 name beginning with a blank", true, {{Item::k4C, ""}, {Item::k4A, " BRNO"}},
     {{Item::k4A, "INTR  BRNO"}, {Item::k4D, ""}}, 2},
    {"O3 name containing INTR stays", true, {{Item::k4C, ""}, {Item::k4A, "XINTRX"}}, {{Item::k4D, ""}}, 1},
    {"O3 long name cut to 20", true, {{Item::k4C, ""}, {Item::k4A, "ABCDEFGHIJKLMNOPQRST"}},
     {{Item::k4A, "INTR-ABCDEFGHIJKLMNO"}, {Item::k4D, ""}}, 2},
    {"O3 [9Y] of value 3 stays", true, {{Item::k4C, ""}, {Item::k4A, "INTR"}, {Item::k9Y, "03"}},
     {{Item::k4D, ""}}, 1},
    {"O3 blank antenna height", true, {{Item::k4C, ""}, {Item::k4A, "INTR"}, {Item::k9Y, ""}},
     {{Item::k4D, ""}, {Item::k9Y, "3   "}}, 2},
    // O4.
    {"O4 wrong fixed class", false, {{Item::k6A, "FA"}}, {{Item::k6A, "FX"}}, 1},
    {"O4 off", false, {{Item::k6A, "FA"}}, {}, 0, {O::kStationClass}},
    {"O4 listed fixed class stays", false, {{Item::k6A, "FW"}}, {}, 0},
    {"O4 wrong mobile class", true, {{Item::k6A, "MO"}}, {{Item::k6A, "ML"}}, 1},
    {"O4 listed mobile class stays", true, {{Item::k6A, "MS"}}, {}, 0},
    {"O4 mobile class with radius 0", true, {{Item::k4D, "    0"}}, {{Item::k6A, "FX"}}, 1},
    {"O4 fixed class with a radius, then O7", false, {{Item::k4D, "   25"}},
     {{Item::k6A, "ML"}, {Item::k4Z, ""}, {Item::k9A, ""}, {Item::k9B, ""}, {Item::k9D, "V "}, {Item::k9Y, "3   "},
      {Item::k9XH, "000ND00"}},
     7},
    {"O4 negative radius is not 0", false, {{Item::k4D, "   -5"}}, {{Item::k6A, "ML"}}, 1,
     {O::kMobileStation}},
    // O5.
    {"O5 fixed station radius", false, {{Item::k4D, "   12"}}, {{Item::k4D, "0    "}}, 1, {O::kStationClass}},
    {"O5 off", false, {{Item::k4D, "   12"}}, {}, 0, {O::kStationClass, O::kFixedRadius}},
    {"O5 negative radius stays", false, {{Item::k4D, "   -5"}}, {}, 0, {O::kStationClass}},
    // O6: [4Z] 300 on a fixed station at 016E3600 49N1200.
    {"O6 terrain within 10 %", false, {}, {}, 0, {}, 280},
    {"O6 terrain 250 m", false, {}, {{Item::k4Z, "250 "}}, 1, {}, 250},
    {"O6 terrain rounded", false, {}, {{Item::k4Z, "250 "}}, 1, {}, 249.6f},
    {"O6 off", false, {}, {}, 0, {O::kTerrainAltitude}, 250},
    {"O6 no terrain data", false, {}, {}, 0, {}, -333},
    {"O6 no tile", false, {}, {}, 0, {}, -9999},
    {"O6 low site, 7 m", false, {{Item::k4Z, "40"}}, {{Item::k4Z, "47  "}}, 1, {}, 47},
    {"O6 low site, 5 m", false, {{Item::k4Z, "40"}}, {}, 0, {}, 45},
    {"O6 at 50 m the difference rule", false, {{Item::k4Z, "56"}}, {{Item::k4Z, "50  "}}, 1, {}, 50},
    {"O6 above 50 m the ratio rule", false, {{Item::k4Z, "108"}}, {}, 0, {}, 100},
    {"O6 below 50 m no ratio rule", false, {{Item::k4Z, "24"}}, {}, 0, {}, 20},
    {"O6 below sea level", false, {{Item::k4Z, "10"}}, {{Item::k4Z, "-5  "}}, 1, {}, -5},
    {"O6 altitude rounded first", false, {{Item::k4Z, "99.5"}}, {}, 0, {}, 111},
    {"O6 blank altitude not filled in", false, {{Item::k4Z, ""}}, {}, 0, {}, 250},
    {"O6 not for a radius", false, {{Item::k4D, "   12"}}, {}, 0, {O::kStationClass, O::kFixedRadius}, 250},
    {"O6 not for a mobile station", true, {{Item::k4Z, "300"}, {Item::k4D, "    0"}}, {}, 0,
     {O::kStationClass}, 250},
    {"O6 height too wide for the item", false, {}, {}, 0, {}, 10000},
    // O7.
    {"O7 mobile station site items", true,
     {{Item::k4Z, "200"}, {Item::k9A, " 45.0"}, {Item::k9B, "  0.0"}, {Item::k9D, "H"}, {Item::k9Y, "  10"},
      {Item::k9XH, "030EA10"}, {Item::k9XV, "045EC00"}},
     {{Item::k4Z, ""}, {Item::k9A, ""}, {Item::k9B, ""}, {Item::k9D, "V "}, {Item::k9Y, "3   "},
      {Item::k9XH, "000ND00"}, {Item::k9XV, "000ND00"}},
     7},
    {"O7 off", true, {{Item::k4Z, "200"}, {Item::k9D, "H"}}, {}, 0, {O::kMobileStation}},
    {"O7 antenna height of value 3 stays", true, {{Item::k9Y, "3.0"}}, {}, 0},
    {"O7 not without a service area", true, {{Item::k4D, "    0"}, {Item::k9D, "H"}}, {}, 0, {O::kStationClass}},
    // O8.
    {"O8 blank in the bandwidth", false, {{Item::k7A, "25K F3E"}}, {{Item::k7A, "25K0F3E"}}, 1},
    {"O8 off", false, {{Item::k7A, "25K F3E"}}, {}, 0, {O::kBandwidthFormat}},
    {"O8 bare number", false, {{Item::k7A, "16F3E"}}, {{Item::k7A, "16K0F3E"}}, 1},
    {"O8 bare one-digit number", false, {{Item::k7A, "8F3E"}}, {{Item::k7A, "8K00F3E"}}, 1},
    {"O8 below 10 kHz gets two decimals", false, {{Item::k7A, "8K5 F3E"}}, {{Item::k7A, "8K50F3E"}}, 1},
    {"O8 12K5 stays", false, {{Item::k7A, "12K5F3E"}}, {}, 0},
    {"O8 M read as the point", false, {{Item::k7A, "1M25F3E"}}, {{Item::k7A, "1K25F3E"}}, 1},
    {"O8 leading zeros: no wrong character", false, {{Item::k7A, "0016F3E"}}, {{Item::k7A, "16K0F3E"}}, 0},
    {"O8 two wrong characters", false, {{Item::k7A, "8-5 F3E"}}, {{Item::k7A, "8K50F3E"}}, 2},
    {"O8 X in character 6", false, {{Item::k7A, "16K FXE"}}, {{Item::k7A, "16K0FXE"}}, 1},
    {"O8 5M00 stays", false, {{Item::k7A, "5M00G7W"}}, {}, 0},
    {"O8 200K stays", false, {{Item::k7A, "200KG7W"}}, {}, 0},
    {"O8 blank bandwidth stays", false, {{Item::k7A, "    F3E"}}, {}, 0},
    {"O8 no number stays", false, {{Item::k7A, "F3E"}}, {}, 0},
    {"O8 bare number with decimals", false, {{Item::k7A, "7.5F3E"}}, {{Item::k7A, "7K50F3E"}}, 1},
    {"O8 leading blank before a bare number", false, {{Item::k7A, " 16F3E"}}, {{Item::k7A, "16K0F3E"}}, 1},
    {"O8 signed number stays", false, {{Item::k7A, "-0F3E"}}, {}, 0},
    {"O8 100 kHz or more stays", false, {{Item::k7A, "100KF3E"}}, {}, 0},
    {"O8 bare number of three digits", false, {{Item::k7A, "125F3E"}}, {{Item::k7A, "125KF3E"}}, 1},
    {"O8 bare number of three digits, nine characters", false, {{Item::k7A, "250F3EJNN"}}, {{Item::k7A, "250KF3EJN"}}, 1},
    {"O8 number with its unit letter, misaligned, stays", false, {{Item::k7A, "16K0 F3E"}}, {}, 0},
    // O9.
    {"O9 short code", false, {{Item::k9XH, "45EA"}}, {{Item::k9XH, "045EA00"}}, 1},
    {"O9 off", false, {{Item::k9XH, "45EA"}}, {}, 0, {O::kAntennaCodeShape}},
    {"O9 blank code", false, {{Item::k9XV, ""}}, {{Item::k9XV, "000ND00"}}, 1},
    {"O9 letters only", false, {{Item::k9XV, "ND"}}, {{Item::k9XV, "000ND00"}}, 1},
    {"O9 no letters", false, {{Item::k9XH, "1234567"}}, {{Item::k9XH, "567XX00"}}, 1},
    {"O9 three letters", false, {{Item::k9XH, "30EAB10"}}, {{Item::k9XH, "030EA10"}}, 1},
    {"O9 lower case and a short tail", false, {{Item::k9XH, "030ea1"}}, {{Item::k9XH, "030EA01"}}, 1},
    {"O9 both codes", false, {{Item::k9XH, "45EA"}, {Item::k9XV, "ND00"}},
     {{Item::k9XH, "045EA00"}, {Item::k9XV, "000ND00"}}, 2},
    {"O9 parts of the right length, reordered", false, {{Item::k9XH, "030E1A0"}}, {{Item::k9XH, "030EA10"}}, 0},
    // O10.
    {"O10 EA above 65", false, {{Item::k9XH, "070EA10"}}, {{Item::k9XH, "065EA10"}}, 1},
    {"O10 off", false, {{Item::k9XH, "070EA10"}}, {}, 0, {O::kAntennaCodeRange}},
    {"O10 EB of 0", false, {{Item::k9XH, "000EB05"}}, {{Item::k9XH, "001EB05"}}, 1},
    {"O10 CA above 100", false, {{Item::k9XH, "150CA00"}}, {{Item::k9XH, "100CA00"}}, 1},
    {"O10 CA of 0 stays", false, {{Item::k9XH, "000CA00"}}, {}, 0},
    {"O10 DE above 65", false, {{Item::k9XV, "066DE00"}}, {{Item::k9XV, "065DE00"}}, 1},
    {"O10 EB above 79", false, {{Item::k9XH, "080EB00"}}, {{Item::k9XH, "079EB00"}}, 1},
    {"O10 EC above 96", false, {{Item::k9XH, "097EC03"}}, {{Item::k9XH, "096EC03"}}, 1},
    {"O10 EC at 96 stays", false, {{Item::k9XH, "096EC03"}}, {}, 0},
    {"O10 LA above 120", false, {{Item::k9XH, "121LA00"}}, {{Item::k9XH, "120LA00"}}, 1},
    {"O10 LA of 0", false, {{Item::k9XH, "000LA00"}}, {{Item::k9XH, "001LA00"}}, 1},
    {"O10 KA above 100", false, {{Item::k9XH, "101KA00"}}, {{Item::k9XH, "100KA00"}}, 1},
    {"O10 other type of 000 and 00", false, {{Item::k9XH, "000ZZ00"}}, {{Item::k9XH, "000ND00"}}, 1},
    {"O10 other type of 000 and 01 stays", false, {{Item::k9XH, "000ZZ01"}}, {}, 0},
    {"O10 999 and 99", false, {{Item::k9XV, "999ND99"}}, {{Item::k9XV, "999XX99"}}, 1},
    {"O10 last two written with two digits", false, {{Item::k9XH, "070EA1"}}, {{Item::k9XH, "065EA01"}}, 1,
     {O::kAntennaCodeShape}},
    // Everything cleared: only the fixed repairs.
    {"every option cleared", false,
     {{Item::k6A, "fx"}, {Item::k10Z, ""}, {Item::k4D, ""}, {Item::k8B2, ""}, {Item::k13X, "  CZE25"},
      {Item::k1A, "    9.00000M"}, {Item::k7A, "25K F3E"}, {Item::k9XH, "45EA"}, {Item::k9XV, "070EA10"}},
     {{Item::k6A, "FX"}, {Item::k10Z, "0"}, {Item::k4D, "0"}, {Item::k8B2, "E"}, {Item::k13X, "CZE25"}},
     1,
     {O::kLowFrequency, O::kReceiverPower, O::kWholeCountry, O::kStationClass, O::kFixedRadius, O::kTerrainAltitude,
      O::kMobileStation, O::kBandwidthFormat, O::kAntennaCodeShape, O::kAntennaCodeRange},
     250},
};

TEST(CorrectRecord, RepairsAndCounts) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    StationRecord r = c.mobile ? Build({&kFixed, &kMobile, &c.before}) : Build({&kFixed, &c.before});
    const StationRecord expected = c.mobile ? Build({&kFixed, &kMobile, &c.before, &c.after})
                                            : Build({&kFixed, &c.before, &c.after});
    CorrectionOptions options;
    for (O o : c.off) options.Set(o, false);
    TerrainLookup terrain;
    if (!std::isnan(c.terrain)) terrain = [h = c.terrain](double, double) { return h; };
    EXPECT_EQ(CorrectRecord(r, options, terrain), c.repairs);
    EXPECT_EQ(r.text(), expected.text());
  }
}

// The range correction and the code check read one table: every code the correction writes for a
// type of the table passes the check, and a valid code is left as it is.
TEST(CorrectRecord, RangeCorrectionGivesCodesTheCheckTakes) {
  for (const radpattern::AntennaTypeRange& row : radpattern::kAntennaTypeRanges) {
    if (row.family == radpattern::kOmnidirectionalFamily) continue;
    for (const int first : {0, row.firstFrom, row.firstTo, row.firstTo + 1, 999}) {
      char code[8];
      std::snprintf(code, sizeof code, "%03d%.2s07", first, row.type.data());
      SCOPED_TRACE(code);
      const std::vector<Change> before = {{Item::k9XH, code}};
      StationRecord r = Build({&kFixed, &before});
      CorrectionOptions options;
      options.Set(O::kAntennaCodeShape, false);
      const int repairs = CorrectRecord(r, options, TerrainLookup{});
      const std::string corrected(ItemText(r, Item::k9XH));
      EXPECT_EQ(radpattern::CheckAntennaCode(corrected), 1);
      EXPECT_EQ(repairs == 0, radpattern::CheckAntennaCode(code) == 1);
    }
  }
}

// The terrain is asked at [4C] read as degrees, minutes and seconds, west and south negative.
TEST(CorrectRecord, TerrainAskedAtTheSite) {
  const std::vector<Change> site = {{Item::k4C, "016W360049S1230"}};
  StationRecord r = Build({&kFixed, &site});
  double lon = 0, lat = 0;
  const TerrainLookup terrain = [&](double x, double y) {
    lon = x;
    lat = y;
    return 300.0f;
  };
  EXPECT_EQ(CorrectRecord(r, CorrectionOptions{}, terrain), 0);
  EXPECT_NEAR(lon, -16.6, 1e-9);
  EXPECT_NEAR(lat, -(49 + 12.5 / 60), 1e-9);
}

// A second pass over a corrected record finds nothing more to repair.
TEST(CorrectRecord, SecondPassRepairsNothing) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    StationRecord r = c.mobile ? Build({&kFixed, &kMobile, &c.before}) : Build({&kFixed, &c.before});
    CorrectionOptions options;
    for (O o : c.off) options.Set(o, false);
    const TerrainLookup terrain = [h = c.terrain](double, double) { return std::isnan(h) ? -9999.0f : h; };
    CorrectRecord(r, options, terrain);
    const StationRecord once = r;
    EXPECT_EQ(CorrectRecord(r, options, terrain), 0);
    EXPECT_EQ(r.text(), once.text());
  }
}

}  // namespace
}  // namespace recbook

namespace recbook {
namespace {

// Upper-casing over all 256 byte values at every position: only "a" to "z" change. The items the
// other fixed repairs may rewrite are left out of the comparison.
TEST(CorrectRecord, UpperCaseTouchesOnlyAsciiLetters) {
  CorrectionOptions none;
  for (size_t o = 0; o < kCorrectionOptionCount; ++o) none.Set(static_cast<CorrectionOption>(o), false);
  for (int start = 0; start < 256; ++start) {
    StationRecord r;
    for (size_t i = 0; i < kRecordSize; ++i) r.bytes[i] = static_cast<char>((start + i) % 256);
    const StationRecord before = r;
    CorrectRecord(r, none, {});
    for (size_t i = 0; i < kRecordSize; ++i) {
      bool rewritten = false;
      for (Item item : {Item::k10Z, Item::k4D, Item::k8B2, Item::k13X})
        rewritten = rewritten || (i >= Spec(item).offset() && i < Spec(item).offset() + Spec(item).width);
      if (rewritten) continue;
      const char c = before.bytes[i];
      const char expected = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
      ASSERT_EQ(r.bytes[i], expected) << "start " << start << " position " << i;
    }
  }
}

}  // namespace
}  // namespace recbook
