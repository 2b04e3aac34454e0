#include "record_check.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "records/item_table.h"
#include "testing/scripted_host.h"
#include "tests/clean_station.h"

namespace recbook {
namespace {

using testing::Edit;
using testing::Fixed;
using quorla::Answer;
using quorla::Buttons;
using quorla::Icon;
using quorla::ScriptedHost;

// A land mobile station in a service area of 25 km: omnidirectional, 3 m, no azimuth or elevation.
StationRecord Mobile(std::initializer_list<Edit> edits = {}) {
  StationRecord r = Fixed({{Item::k6A, "ML"}, {Item::k4D, "   25"}, {Item::k4Z, "    "}, {Item::k9A, "     "},
                           {Item::k9B, "     "}, {Item::k9Y, "   3"}, {Item::k9XH, "000ND00"}});
  for (const Edit& e : edits) SetItem(r, e.first, e.second);
  return r;
}

// Whole-country use: no position, no radius, the name "INTR".
StationRecord Country(std::initializer_list<Edit> edits = {}) {
  StationRecord r = Fixed({{Item::k4C, ""}, {Item::k4D, ""}, {Item::k4A, "INTR"}});
  for (const Edit& e : edits) SetItem(r, e.first, e.second);
  return r;
}

struct MarkCase {
  const char* what;
  StationRecord record;
  std::string_view all;   // mark in modes 0 and 2
  std::string_view calc;  // mark in mode 1
};

TEST(CheckRecord, MarksInEveryMode) {
  const MarkCase kCases[] = {
      {"valid fixed", Fixed(), "", ""},
      {"valid mobile", Mobile(), "", ""},
      {"valid whole country", Country(), "", ""},
      {"no frequency at all", Fixed({{Item::k1A, "           M"}, {Item::k1Y, "           M"}}), "11,12", "11,12"},
      // Receiver only at 150 MHz: checks 1, 19 and 20 pass; 150 MHz lies in no band of the table.
      {"receiver only", Fixed({{Item::k1A, ""}, {Item::k8B1, ""}, {Item::k1Y, "  150.00000M"}}), "34,012", ""},
      {"receiver only with power", Fixed({{Item::k1A, ""}, {Item::k1Y, "  150.00000M"}}), "25,06", ""},
      {"receiver only in band", Fixed({{Item::k1A, ""}, {Item::k8B1, ""}}), "", ""},
      {"category 6", Fixed({{Item::k1Z, "6"}}), "12,01", "12,01"},
      {"category blank", Fixed({{Item::k1Z, " "}}), "12,01", "12,01"},
      {"class XX", Fixed({{Item::k6A, "XX"}}), "13,02", ""},
      {"class fx", Fixed({{Item::k6A, "fx"}}), "13,02", ""},
      {"nature CC", Fixed({{Item::k6B, "CC"}}), "14,02", ""},
      {"use J", Fixed({{Item::k6Z, "J "}}), "15,02", ""},
      {"use HH", Fixed({{Item::k6Z, "HH"}}), "", ""},
      {"use AJ", Fixed({{Item::k6Z, "AJ"}}), "15,02", ""},
      {"use blank first", Fixed({{Item::k6Z, " A"}}), "15,02", ""},
      {"use lower case", Fixed({{Item::k6Z, "a "}}), "15,02", ""},
      {"occupation 2", Fixed({{Item::k10Z, "2"}}), "16,01", "16,01"},
      {"occupation blank", Fixed({{Item::k10Z, " "}}), "", ""},
      {"name blank", Fixed({{Item::k4A, ""}}), "18,01", ""},
      {"country blank", Fixed({{Item::k4B, ""}}), "19,03", "19,03"},
      {"INTR inside the name", Country({{Item::k4A, "CITY INTR NORTH"}}), "", ""},
      {"name without INTR", Country({{Item::k4A, "CITY"}}), "18,20", ""},
      {"name and position blank", Country({{Item::k4A, ""}}), "18,01", ""},
      {"longitude 180", Fixed({{Item::k4C, "180E000050N0530"}}), "20,12", "20,12"},
      {"longitude 179E5959", Fixed({{Item::k4C, "179E595950N0530"}}), "", ""},
      {"longitude minutes 60", Fixed({{Item::k4C, "014E603050N0530"}}), "20,12", "20,12"},
      {"longitude lower-case e", Fixed({{Item::k4C, "014e253050N0530"}}), "20,12", "20,12"},
      {"longitude with a blank", Fixed({{Item::k4C, "14 E253050N0530"}}), "20,12", "20,12"},
      {"longitude west", Fixed({{Item::k4C, "014W253050N0530"}}), "", ""},
      {"latitude 90", Fixed({{Item::k4C, "014E253090N0000"}}), "21,12", "21,12"},
      {"latitude minutes 60", Fixed({{Item::k4C, "014E253045N6000"}}), "21,12", "21,12"},
      {"latitude 89S5959", Fixed({{Item::k4C, "014E253089S5959"}}), "", ""},
      {"only half a position", Fixed({{Item::k4C, "014E2530       "}}), "21,12", "21,12"},
      {"radius blank, position filled", Fixed({{Item::k4D, ""}}), "22,05", "22,05"},
      {"radius 0, mobile", Mobile({{Item::k4D, "    0"}}), "22,05", ""},
      {"radius > 0, fixed", Fixed({{Item::k4D, "   25"}}), "22,05", ""},
      {"radius blank, mobile class, no position", Country({{Item::k6A, "ML"}, {Item::k9A, ""}, {Item::k9B, ""},
                                                           {Item::k9Y, "   3"}, {Item::k9XH, "000ND00"}}), "", ""},
      {"designation blank", Fixed({{Item::k7A, ""}}), "24,09", "24,09"},
      {"bandwidth 25K0", Fixed({{Item::k7A, "25K0F3E"}}), "24,09", "24,09"},
      {"bandwidth 160K", Fixed({{Item::k7A, "160KF3E"}}), "24,09", "24,09"},
      {"bandwidth 016K", Fixed({{Item::k7A, "016KF3E"}}), "", ""},
      {"bandwidth 200K", Fixed({{Item::k7A, "200KG7W"}}), "", ""},
      {"bandwidth 5M00", Fixed({{Item::k7A, "5M00G7W"}}), "", ""},
      {"bandwidth 1M25", Fixed({{Item::k7A, "1M25F3E"}}), "", ""},
      {"class characters missing", Fixed({{Item::k7A, "16K0F"}}), "24,07", "24,07"},
      {"class character blank inside", Fixed({{Item::k7A, "16K0F E"}}), "24,07", "24,07"},
      {"bandwidth without letter", Fixed({{Item::k7A, "1600F3E"}}), "24,04", "24,04"},
      {"bandwidth lower-case k", Fixed({{Item::k7A, "16k0F3E"}}), "24,04", "24,04"},
      {"bandwidth shifted", Fixed({{Item::k7A, " 16K0F3E"}}), "24,04", "24,04"},
      {"power missing", Fixed({{Item::k8B1, ""}}), "25,06", ""},
      {"reference antenna X", Fixed({{Item::k8B2, "X"}}), "26,01", "26,01"},
      {"mobile azimuth 0.0", Mobile({{Item::k9A, "  0.0"}}), "", ""},
      {"mobile azimuth 45", Mobile({{Item::k9A, " 45.0"}}), "27,05", ""},
      {"fixed azimuth 361", Fixed({{Item::k9A, "361.0"}}), "27,05", "27,05"},
      {"fixed azimuth -1", Fixed({{Item::k9A, " -1.0"}}), "27,05", "27,05"},
      {"fixed azimuth 360", Fixed({{Item::k9A, "360.0"}}), "", ""},
      // A blank radius is not 0: the mode 1 range test does not apply.
      {"azimuth 400, radius blank", Country({{Item::k9A, "400.0"}}), "27,05", ""},
      {"elevation 91", Fixed({{Item::k9B, " 91.0"}}), "28,05", "28,05"},
      {"elevation -90", Fixed({{Item::k9B, "-90.0"}}), "", ""},
      {"elevation -91, radius blank", Country({{Item::k9B, "-91.0"}}), "28,05", ""},
      {"mobile elevation", Mobile({{Item::k9B, " -2.5"}}), "28,05", ""},
      {"polarisation X", Fixed({{Item::k9D, "X "}}), "29,02", ""},
      {"polarisation right-aligned", Fixed({{Item::k9D, " V"}}), "", ""},
      {"polarisation SR", Fixed({{Item::k9D, "SR"}}), "", ""},
      {"polarisation S", Fixed({{Item::k9D, "S "}}), "29,02", ""},
      {"mobile height 10", Mobile({{Item::k9Y, "  10"}}), "31,04", ""},
      {"mobile height 2.6 rounds to 3", Mobile({{Item::k9Y, " 2.6"}}), "", ""},
      {"fixed height 0", Fixed({{Item::k9Y, "   0"}}), "31,04", "31,04"},
      {"fixed height 0.4 rounds to 0", Fixed({{Item::k9Y, " 0.4"}}), "31,04", "31,04"},
      {"fixed height 0.5 rounds to 1", Fixed({{Item::k9Y, " 0.5"}}), "", ""},
      {"fixed height blank", Fixed({{Item::k9Y, ""}}), "31,04", "31,04"},
      {"mobile directional H", Mobile({{Item::k9XH, "030EA10"}}), "32,08", ""},
      {"mobile directional V", Mobile({{Item::k9XV, "030EA10"}}), "33,08", ""},
      {"undetermined pattern", Fixed({{Item::k9XH, "999XX99"}, {Item::k9XV, "999XX99"}}), "", ""},
      {"pattern 001ND00", Fixed({{Item::k9XH, "001ND00"}}), "32,08", "32,08"},
      {"vertical pattern garbage", Fixed({{Item::k9XV, "abc"}}), "33,08", "33,08"},
      {"mobile garbage pattern", Mobile({{Item::k9XH, "abc"}}), "32,08", "32,08"},
      {"status Q", Fixed({{Item::k13Y, "Q"}}), "36,01", ""},
      {"status blank", Fixed({{Item::k13Y, " "}}), "36,01", ""},
      {"all dates blank", Fixed({{Item::k2C, ""}, {Item::k2W, ""}}), "37,08", ""},
      {"only the final date", Fixed({{Item::k2C, ""}, {Item::k2W, ""}, {Item::k2Z, "31122026"}}), "", ""},
      {"tx 100 MHz", Fixed({{Item::k1A, "  100.00000M"}}), "11,012", ""},
      {"tx 145.5375 MHz", Fixed({{Item::k1A, "  145.53750M"}}), "11,012", ""},
      {"tx 0.15 GHz", Fixed({{Item::k1A, "00000.15000G"}}), "11,012", ""},
      {"tx 145537.5 kHz", Fixed({{Item::k1A, "00145537.50K"}}), "11,012", ""},
      {"tx 146 MHz lower-case unit", Fixed({{Item::k1A, "  146.00000m"}}), "", ""},
      {"tx 0.45 GHz", Fixed({{Item::k1A, "0000.45000 G"}}), "", ""},
      {"rx 100 MHz", Fixed({{Item::k1Y, "  100.00000M"}}), "34,012", ""},
      {"both out of band", Fixed({{Item::k1A, "  100.00000M"}, {Item::k1Y, "  100.00000M"}}), "11,012", ""},
      {"first failure wins", Fixed({{Item::k1Z, "9"}, {Item::k6A, "XX"}}), "12,01", "12,01"},
  };
  for (const MarkCase& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(CheckRecord(c.record, ErrorSearchMode::None).mark, c.all);
    EXPECT_EQ(CheckRecord(c.record, ErrorSearchMode::AllErrors).mark, c.all);
    EXPECT_EQ(CheckRecord(c.record, ErrorSearchMode::CalcErrors).mark, c.calc);
  }
}

TEST(CheckRecord, AntennaCodes) {
  constexpr struct { std::string_view code; bool valid; } kCases[] = {
      {"000ND00", true},  {"001ND00", false}, {"000ND01", false}, {"065EA10", true},  {"066EA10", false},
      {"000EA10", false}, {"065DE00", true},  {"079EB00", true},  {"080EB00", false}, {"096EC00", true},
      {"097EC00", false}, {"120LA00", true},  {"121LA00", false}, {"000CA00", true},  {"100CB99", true},
      {"101CC00", false}, {"100KA00", true},  {"101KA00", false}, {"030VA00", true},  {"030WI00", true},
      {"030VJ00", false}, {"030XA00", false}, {"03AEA10", false}, {"030EA1X", false}, {"030va00", false},
      {"999XX99", false},  // not a code: the checks let it through by name
  };
  for (const auto& c : kCases) EXPECT_EQ(AntennaCodeValid(c.code), c.valid) << c.code;
}

struct MessageCase {
  StationRecord record;
  ErrorSearchMode mode;
  Check check;
  std::string_view text;
};

TEST(CheckRecord, EveryMessageText) {
  const MessageCase kCases[] = {
      {Fixed({{Item::k1A, ""}, {Item::k1Y, ""}}), ErrorSearchMode::AllErrors, Check::FrequencyMissing,
       "At least one of [1A], [1Y] items has to be filled in !! "},
      {Fixed({{Item::k1Z, "0"}}), ErrorSearchMode::AllErrors, Check::FrequencyCategory,
       "Frequecy categories list:  1 - 5  !!  \r\nsee Appendix 5  to  Annex 2"},
      {Fixed({{Item::k6A, "FF"}}), ErrorSearchMode::AllErrors, Check::StationClass,
       "Class of station list: FB, FC, FL, FP, FS, FW, FX, ML, MR, MS  !! \r\nsee Appendix 6  to  Annex 2"},
      {Fixed({{Item::k6B, "XX"}}), ErrorSearchMode::AllErrors, Check::ServiceNature,
       "Nature of service types: CO, CP, CR, CV, OT  !! \r\nsee Appendix 7  to  Annex 2"},
      {Fixed({{Item::k6Z, "J "}}), ErrorSearchMode::AllErrors, Check::UseCategory,
       "List of permissible charcters in Category of use:  A - I, K - Z  !! \r\nsee Appendix 8  to  Annex 2"},
      {Fixed({{Item::k10Z, "X"}}), ErrorSearchMode::AllErrors, Check::ChannelOccupation,
       "Channel occupation types:  0, blank = 0, or 1 !!  "},
      {Fixed({{Item::k4A, ""}}), ErrorSearchMode::AllErrors, Check::NameMissing, "Missing Name of station  !!  "},
      {Fixed({{Item::k4B, ""}}), ErrorSearchMode::AllErrors, Check::CountryMissing, "Missing Country of station  !!  "},
      {Country({{Item::k4A, "CITY"}}), ErrorSearchMode::AllErrors, Check::NameNotIntr,
       "Station name has to be ''INTR'' = usage in whole country  !! \r\nbecase Geo.coordinates are unfilled."},
      {Fixed({{Item::k4C, "200E000050N0000"}}), ErrorSearchMode::AllErrors, Check::Longitude,
       "Wrong Longitude value  !!  "},
      {Fixed({{Item::k4C, "014E253050X0000"}}), ErrorSearchMode::AllErrors, Check::Latitude,
       "Wrong Latitude value  !!  "},
      {Fixed({{Item::k4D, ""}}), ErrorSearchMode::AllErrors, Check::RadiusMissing, "Missing Radius service area  !!"},
      {Mobile({{Item::k4D, "    0"}, {Item::k6A, "MS"}}), ErrorSearchMode::AllErrors, Check::RadiusZeroMobile,
       "Radius service area = 0  and  class of stat. is ''Mobile'', MS\r\nClass of stat. has to starts with ''F''  !!"},
      {Fixed({{Item::k4D, "    5"}, {Item::k6A, "FB"}}), ErrorSearchMode::AllErrors, Check::RadiusPositiveFixed,
       "Radius service area > 0  and  class of stat. is ''Fixed'', FB\r\nClass of stat. has to starts with ''M''  !!"},
      {Fixed({{Item::k7A, ""}}), ErrorSearchMode::AllErrors, Check::EmissionMissing,
       "Missing Designation of emission  !!  "},
      {Fixed({{Item::k7A, "25K0F3E"}}), ErrorSearchMode::AllErrors, Check::BandwidthValue,
       "Bandwidth in Designation of emission has to be:  \r\n''normal station''  <=  16K0\r\nGSM:  200K\r\n"
       "UMTS/IMT2000:  5M00"},
      {Fixed({{Item::k7A, "16K0F"}}), ErrorSearchMode::AllErrors, Check::EmissionClass,
       "Missing 5-7 character in Designation of emission  !!  "},
      {Fixed({{Item::k7A, "1600F3E"}}), ErrorSearchMode::AllErrors, Check::BandwidthCode,
       "Wrong bandwidth code:  1600  in Designation of emission  !!  \r\n\r\n"
       "code contains:   4 digits,   0 K,M char.,   0 uncorrect char. "},
      {Fixed({{Item::k7A, " 1kXF3E"}}), ErrorSearchMode::AllErrors, Check::BandwidthCode,
       "Wrong bandwidth code:  ?1kX  in Designation of emission  !!  \r\n\r\n"
       "code contains:   1 digits,   0 K,M char.,   3 uncorrect char. "},
      {Fixed({{Item::k1A, ""}}), ErrorSearchMode::AllErrors, Check::PowerNotBlank,
       "Max. radiated power has to be blank,  \r\nbecause [1A] Tx freq. is blank  !!"},
      {Fixed({{Item::k8B1, ""}}), ErrorSearchMode::AllErrors, Check::PowerMissing, "Missing Max. radiated power  !!  "},
      {Fixed({{Item::k8B2, "e"}}), ErrorSearchMode::AllErrors, Check::ReferenceAntenna,
       "Types of Ref. antenna are only:  E, I !!  "},
      {Mobile({{Item::k9A, " 10.0"}}), ErrorSearchMode::AllErrors, Check::AzimuthNotBlank,
       "Azimuth has to be blank  !!\r\nbecause Class of stat. starts with ''M'' or Radius serv.area > 0  "},
      {Fixed({{Item::k9A, "400.0"}}), ErrorSearchMode::AllErrors, Check::AzimuthRange,
       "Azimuth has to be in range:  0 ... 360\xC2\xB0  !! "},
      {Fixed({{Item::k9A, "400.0"}}), ErrorSearchMode::CalcErrors, Check::CalcAzimuthRange,
       "Azimuth has to be in range:  0 ... 360\xC2\xB0  !! "},
      {Mobile({{Item::k9B, "  1.0"}}), ErrorSearchMode::AllErrors, Check::ElevationNotBlank,
       "Elevation has to be blank  !!\r\nbecause Class of stat. starts with ''M'' or Radius serv.area > 0  "},
      {Fixed({{Item::k9B, "-95.0"}}), ErrorSearchMode::AllErrors, Check::ElevationRange,
       "Elevation < -90\xC2\xB0,  or > 90\xC2\xB0  !! "},
      {Fixed({{Item::k9B, "-95.0"}}), ErrorSearchMode::CalcErrors, Check::CalcElevationRange,
       "Elevation < -90\xC2\xB0,  or > 90\xC2\xB0  !! "},
      {Fixed({{Item::k9D, "Q "}}), ErrorSearchMode::AllErrors, Check::Polarisation,
       "List of Polarization types: H, V, SR, SL, CR, CL, D, M  !! \r\nsee Appendix 11  to  Annex 2"},
      {Mobile({{Item::k9Y, "   4"}}), ErrorSearchMode::AllErrors, Check::HeightNotThree,
       "Height of antenna has to be 3 m  !!\r\nbecause Class of stat. starts with ''M'' or Radius serv.area > 0  "},
      {Fixed({{Item::k9Y, "   0"}}), ErrorSearchMode::AllErrors, Check::HeightBelowOne,
       "Antenna height has to be > 0 m  !!  "},
      {Mobile({{Item::k9XH, "999XX99"}}), ErrorSearchMode::AllErrors, Check::PatternHNotOmni,
       "Horiz. ant code has to be 000ND00  !!\r\nbecause Class of stat. starts with ''M'' or Radius serv.area > 0  "},
      {Mobile({{Item::k9XV, "999XX99"}}), ErrorSearchMode::AllErrors, Check::PatternVNotOmni,
       "Vert. ant code has to be 000ND00  !!\r\nbecause Class of stat. starts with ''M'' or Radius serv.area > 0  "},
      {Fixed({{Item::k9XH, "030XX00"}}), ErrorSearchMode::AllErrors, Check::PatternHCode,
       "Wrong Horizontal antenna code  !!\r\nCodes may be: 000ND00, 999XX99 = not yet determined,  \r\n"
       "or codes of direcional antennas ... see VA-99, Annex 6"},
      {Fixed({{Item::k9XV, "030XX00"}}), ErrorSearchMode::AllErrors, Check::PatternVCode,
       "Wrong Vertical antenna code  !!\r\nCodes may be: 000ND00, 999XX99 = not yet determined,  \r\n"
       "or codes of direcional antennas ... see VA-99, Annex 6"},
      {Fixed({{Item::k13Y, "Q"}}), ErrorSearchMode::AllErrors, Check::Status,
       "Status of co-ordination list:  A - H, M, P, R, W, Y, Z  !!  \r\nsee Appendix 10  to  Annex 2"},
      {Fixed({{Item::k2C, ""}, {Item::k2W, ""}}), ErrorSearchMode::AllErrors, Check::DatesMissing,
       "All date fields  [2C], [2W], [Z2]  are empty  !!  "},
      {Fixed({{Item::k1A, "  200.00000M"}}), ErrorSearchMode::AllErrors, Check::TxOutOfBands,
       "[1A] Tx frequency is out of VA-99 bands !!  "},
      {Fixed({{Item::k1Y, "  200.00000M"}}), ErrorSearchMode::AllErrors, Check::RxOutOfBands,
       "[1Y] Rx frequecy is out of VA-99 bands !!  "},
  };
  for (const MessageCase& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CheckRecord(c.record, c.mode).check, c.check);
    EXPECT_EQ(CheckMessage(c.check, c.record, quorla::Language::English), c.text);
    EXPECT_FALSE(CheckMessage(c.check, c.record, quorla::Language::Czech).empty());
  }
}

TEST(CheckRecord, OnlyNameDatesAndBandsAreWaivable) {
  for (int k = 1; k <= static_cast<int>(Check::RxOutOfBands); ++k) {
    const Check c = static_cast<Check>(k);
    const bool waivable = c == Check::NameMissing || c == Check::NameNotIntr || c == Check::DatesMissing ||
                          c == Check::TxOutOfBands || c == Check::RxOutOfBands;
    EXPECT_EQ(IsWaivable(c), waivable) << k;
  }
}

constexpr std::string_view kIgnore = "\r\n\r\nMay I ignore it  ?";

TEST(CheckRecord, WaivedNameCheckGoesOnAndNoReturnsTheMark) {
  const StationRecord r = Country({{Item::k4A, "CITY"}});
  const std::string text =
      "Station name has to be ''INTR'' = usage in whole country  !! \r\nbecase Geo.coordinates are unfilled." +
      std::string(kIgnore);
  {
    ScriptedHost host;
    host.ExpectMessage(text, "Ed Error", Buttons::YesNo, Icon::Exclamation, Answer::Yes);
    EXPECT_EQ(CheckRecord(r, ErrorSearchMode::None, {host, quorla::Language::English, "Ed"}).mark, "");
    host.VerifyAllConsumed();
  }
  {
    ScriptedHost host;
    host.ExpectMessage(text, "Ed Error", Buttons::YesNo, Icon::Exclamation, Answer::No);
    EXPECT_EQ(CheckRecord(r, ErrorSearchMode::None, {host, quorla::Language::English, "Ed"}).mark, "18,20");
    host.VerifyAllConsumed();
  }
}

TEST(CheckRecord, EachWaivableCheckAsksAgain) {
  // Blank name and no position: Yes to the missing name, then the INTR rule asks itself.
  {
    ScriptedHost host;
    host.ExpectMessage("Missing Name of station  !!  " + std::string(kIgnore), "Ed Error", Buttons::YesNo,
                       Icon::Exclamation, Answer::Yes);
    host.ExpectMessage(
        "Station name has to be ''INTR'' = usage in whole country  !! \r\nbecase Geo.coordinates are unfilled." +
            std::string(kIgnore),
        "Ed Error", Buttons::YesNo, Icon::Exclamation, Answer::No);
    EXPECT_EQ(CheckRecord(Country({{Item::k4A, ""}}), ErrorSearchMode::AllErrors,
                          {host, quorla::Language::English, "Ed"}).mark,
              "18,20");
    host.VerifyAllConsumed();
  }
  // No dates and both frequencies out of band: three questions, all waived.
  {
    ScriptedHost host;
    host.ExpectMessage("All date fields  [2C], [2W], [Z2]  are empty  !!  " + std::string(kIgnore), "Ed Error",
                       Buttons::YesNo, Icon::Exclamation, Answer::Yes);
    host.ExpectMessage("[1A] Tx frequency is out of VA-99 bands !!  " + std::string(kIgnore), "Ed Error",
                       Buttons::YesNo, Icon::Exclamation, Answer::Yes);
    host.ExpectMessage("[1Y] Rx frequecy is out of VA-99 bands !!  " + std::string(kIgnore), "Ed Error",
                       Buttons::YesNo, Icon::Exclamation, Answer::Yes);
    const StationRecord r =
        Fixed({{Item::k2C, ""}, {Item::k2W, ""}, {Item::k1A, "  100.00000M"}, {Item::k1Y, "  300.00000M"}});
    EXPECT_EQ(CheckRecord(r, ErrorSearchMode::AllErrors, {host, quorla::Language::English, "Ed"}).mark, "");
    host.VerifyAllConsumed();
    // Silently the first of them is the mark.
    EXPECT_EQ(CheckRecord(r, ErrorSearchMode::AllErrors).mark, "37,08");
  }
}

TEST(CheckRecord, PlainFailureShowsOkBoxAndStops) {
  ScriptedHost host;
  host.ExpectMessage("Wrong Latitude value  !!  ", "Ed Error", Buttons::Ok, Icon::Exclamation);
  const StationRecord r = Fixed({{Item::k4C, "014E253099N0000"}, {Item::k13Y, "Q"}});
  EXPECT_EQ(CheckRecord(r, ErrorSearchMode::AllErrors, {host, quorla::Language::English, "Ed"}).mark, "21,12");
  host.VerifyAllConsumed();
}

TEST(CheckRecord, InteractiveCalcModeStopsAfterTheAntennaCodes) {
  ScriptedHost host;  // no message: the status and the dates are not looked at in mode 1
  const StationRecord r = Fixed({{Item::k13Y, "Q"}, {Item::k2C, ""}, {Item::k2W, ""}});
  EXPECT_TRUE(CheckRecord(r, ErrorSearchMode::CalcErrors, {host, quorla::Language::English, "Ed"}).ok());
  host.VerifyAllConsumed();
}

TEST(CheckRecord, CzechTitleAndQuestion) {
  ScriptedHost host;
  host.ExpectMessage("Chybí Jméno stanice  !!  \r\n\r\nMohu to ignorovat  ?", "Ed Chyba", Buttons::YesNo,
                     Icon::Exclamation, Answer::No);
  EXPECT_EQ(CheckRecord(Fixed({{Item::k4A, ""}}), ErrorSearchMode::None, {host, quorla::Language::Czech, "Ed"}).mark,
            "18,01");
  host.VerifyAllConsumed();
}

TEST(CheckRecord, RecordBytesInMessagesBecomeUtf8) {
  const StationRecord r = Fixed({{Item::k4D, "    5"}, {Item::k6A, "F\xE9"}});
  // "F\xE9" is not a class: check 3 comes first in mode 2, the radius rule reads the class letter.
  EXPECT_EQ(CheckRecord(r, ErrorSearchMode::AllErrors).check, Check::StationClass);
  const std::string text = CheckMessage(Check::RadiusPositiveFixed, r, quorla::Language::English);
  EXPECT_NE(text.find("''Fixed'', F\xC3\xA9\r\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace recbook
