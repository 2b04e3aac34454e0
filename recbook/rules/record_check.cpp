#include "record_check.h"

#include <array>
#include <cmath>

#include "antenna_code.h"
#include "code_tables.h"
#include "latin1_text.h"
#include "records/item_table.h"
#include "records/record_text.h"

namespace recbook {
namespace {

using quorla::BiText;
using quorla::Language;

constexpr std::string_view kOmni = "000ND00";
constexpr std::string_view kUndetermined = "999XX99";

// Messages are UTF-8; the degree sign is written out as its two bytes.
#define DEG "\xC2\xB0"

constexpr BiText kMobileOrRadius{"because Class of stat. starts with ''M'' or Radius serv.area > 0  ",
                                 "protože Třída stan. začíná ''M'' nebo Poloměr obsl.oblasti > 0  "};
constexpr BiText kCodesMayBe{"Codes may be: 000ND00, 999XX99 = not yet determined,  ",
                             "Kódy mohou být: 000ND00, 999XX99 = dosud neurčen,  "};
constexpr BiText kDirectional{"or codes of direcional antennas ... see VA-99, Annex 6",
                              "nebo kódy směrových antén ... viz VA-99, Příloha 6"};

struct CheckRow {
  std::string_view mark;
  bool waivable;
  std::array<BiText, 4> lines;  // unused lines are empty
};

// Indexed by Check. Checks 13, 14 and 18 complete their lines from the record (CheckMessage).
const CheckRow kRows[] = {
    {"", false, {}},
    {"11,12", false, {{{"At least one of [1A], [1Y] items has to be filled in !! ",
                        "Alespoň jedna z položek [1A], [1Y] musí být vyplněna !! "}}}},
    {"12,01", false, {{{"Frequecy categories list:  1 - 5  !!  ", "Seznam kategorií kmitočtů:  1 - 5  !!  "},
                       {"see Appendix 5  to  Annex 2", "viz Dodatek 5  k  Příloze 2"}}}},
    {"13,02", false, {{{"Class of station list: FB, FC, FL, FP, FS, FW, FX, ML, MR, MS  !! ",
                        "Seznam tříd stanic: FB, FC, FL, FP, FS, FW, FX, ML, MR, MS  !! "},
                       {"see Appendix 6  to  Annex 2", "viz Dodatek 6  k  Příloze 2"}}}},
    {"14,02", false, {{{"Nature of service types: CO, CP, CR, CV, OT  !! ",
                        "Druhy povahy služby: CO, CP, CR, CV, OT  !! "},
                       {"see Appendix 7  to  Annex 2", "viz Dodatek 7  k  Příloze 2"}}}},
    {"15,02", false, {{{"List of permissible charcters in Category of use:  A - I, K - Z  !! ",
                        "Seznam přípustných znaků v Kategorii užití:  A - I, K - Z  !! "},
                       {"see Appendix 8  to  Annex 2", "viz Dodatek 8  k  Příloze 2"}}}},
    {"16,01", false, {{{"Channel occupation types:  0, blank = 0, or 1 !!  ",
                        "Druhy obsazení kanálu:  0, mezera = 0, nebo 1 !!  "}}}},
    {"18,01", true, {{{"Missing Name of station  !!  ", "Chybí Jméno stanice  !!  "}}}},
    {"19,03", false, {{{"Missing Country of station  !!  ", "Chybí Země stanice  !!  "}}}},
    {"18,20", true, {{{"Station name has to be ''INTR'' = usage in whole country  !! ",
                       "Jméno stanice musí být ''INTR'' = užití v celé zemi  !! "},
                      {"becase Geo.coordinates are unfilled.", "protože Geo.souřadnice nejsou vyplněny."}}}},
    {"20,12", false, {{{"Wrong Longitude value  !!  ", "Chybná hodnota Délky  !!  "}}}},
    {"21,12", false, {{{"Wrong Latitude value  !!  ", "Chybná hodnota Šířky  !!  "}}}},
    {"22,05", false, {{{"Missing Radius service area  !!", "Chybí Poloměr obsluhované oblasti  !!"}}}},
    {"22,05", false, {{{"Radius service area = 0  and  class of stat. is ''Mobile'', ",
                        "Poloměr obsl. oblasti = 0  a  třída stan. je ''Pohyblivá'', "},
                       {"Class of stat. has to starts with ''F''  !!", "Třída stan. musí začínat ''F''  !!"}}}},
    {"22,05", false, {{{"Radius service area > 0  and  class of stat. is ''Fixed'', ",
                        "Poloměr obsl. oblasti > 0  a  třída stan. je ''Pevná'', "},
                       {"Class of stat. has to starts with ''M''  !!", "Třída stan. musí začínat ''M''  !!"}}}},
    {"24,09", false, {{{"Missing Designation of emission  !!  ", "Chybí Označení vysílání  !!  "}}}},
    {"24,09", false, {{{"Bandwidth in Designation of emission has to be:  ",
                        "Šíře pásma v Označení vysílání musí být:  "},
                       {"''normal station''  <=  16K0", "''běžná stanice''  <=  16K0"},
                       {"GSM:  200K", "GSM:  200K"},
                       {"UMTS/IMT2000:  5M00", "UMTS/IMT2000:  5M00"}}}},
    {"24,07", false, {{{"Missing 5-7 character in Designation of emission  !!  ",
                        "Chybí 5.-7. znak v Označení vysílání  !!  "}}}},
    {"24,04", false, {}},
    {"25,06", false, {{{"Max. radiated power has to be blank,  ", "Max. vyzářený výkon musí být prázdný,  "},
                       {"because [1A] Tx freq. is blank  !!", "protože [1A] Tx kmit. je prázdný  !!"}}}},
    {"25,06", false, {{{"Missing Max. radiated power  !!  ", "Chybí Max. vyzářený výkon  !!  "}}}},
    {"26,01", false, {{{"Types of Ref. antenna are only:  E, I !!  ", "Typy Ref. antény jsou jen:  E, I !!  "}}}},
    {"27,05", false, {{{"Azimuth has to be blank  !!", "Azimut musí být prázdný  !!"}, kMobileOrRadius}}},
    {"27,05", false, {{{"Azimuth has to be in range:  0 ... 360" DEG "  !! ", "Azimut musí být v rozsahu:  0 ... 360" DEG "  !! "}}}},
    {"27,05", false, {{{"Azimuth has to be in range:  0 ... 360" DEG "  !! ", "Azimut musí být v rozsahu:  0 ... 360" DEG "  !! "}}}},
    {"28,05", false, {{{"Elevation has to be blank  !!", "Elevace musí být prázdná  !!"}, kMobileOrRadius}}},
    {"28,05", false, {{{"Elevation < -90" DEG ",  or > 90" DEG "  !! ", "Elevace < -90" DEG ",  nebo > 90" DEG "  !! "}}}},
    {"28,05", false, {{{"Elevation < -90" DEG ",  or > 90" DEG "  !! ", "Elevace < -90" DEG ",  nebo > 90" DEG "  !! "}}}},
    {"29,02", false, {{{"List of Polarization types: H, V, SR, SL, CR, CL, D, M  !! ",
                        "Seznam druhů polarizace: H, V, SR, SL, CR, CL, D, M  !! "},
                       {"see Appendix 11  to  Annex 2", "viz Dodatek 11  k  Příloze 2"}}}},
    {"31,04", false, {{{"Height of antenna has to be 3 m  !!", "Výška antény musí být 3 m  !!"}, kMobileOrRadius}}},
    {"31,04", false, {{{"Antenna height has to be > 0 m  !!  ", "Výška antény musí být > 0 m  !!  "}}}},
    {"32,08", false, {{{"Horiz. ant code has to be 000ND00  !!", "Vodor. kód ant. musí být 000ND00  !!"}, kMobileOrRadius}}},
    {"33,08", false, {{{"Vert. ant code has to be 000ND00  !!", "Svislý kód ant. musí být 000ND00  !!"}, kMobileOrRadius}}},
    {"32,08", false, {{{"Wrong Horizontal antenna code  !!", "Chybný Vodorovný kód antény  !!"}, kCodesMayBe, kDirectional}}},
    {"33,08", false, {{{"Wrong Vertical antenna code  !!", "Chybný Svislý kód antény  !!"}, kCodesMayBe, kDirectional}}},
    {"36,01", false, {{{"Status of co-ordination list:  A - H, M, P, R, W, Y, Z  !!  ",
                        "Seznam stavů koordinace:  A - H, M, P, R, W, Y, Z  !!  "},
                       {"see Appendix 10  to  Annex 2", "viz Dodatek 10  k  Příloze 2"}}}},
    {"37,08", true, {{{"All date fields  [2C], [2W], [Z2]  are empty  !!  ",
                       "Všechna pole dat  [2C], [2W], [Z2]  jsou prázdná  !!  "}}}},
    {"11,012", true, {{{"[1A] Tx frequency is out of VA-99 bands !!  ", "[1A] Tx kmitočet je mimo pásma VA-99 !!  "}}}},
    {"34,012", true, {{{"[1Y] Rx frequecy is out of VA-99 bands !!  ", "[1Y] Rx kmitočet je mimo pásma VA-99 !!  "}}}},
};
#undef DEG
static_assert(std::size(kRows) == static_cast<size_t>(Check::RxOutOfBands) + 1);

constexpr BiText kTitle{" Error", " Chyba"};
constexpr BiText kMayIgnore{"May I ignore it  ?", "Mohu to ignorovat  ?"};

const CheckRow& Row(Check c) { return kRows[static_cast<size_t>(c)]; }

// An item at its compile-time position: the check reads some thirty items per record.
template <Item I>
std::string_view At(const StationRecord& r) {
  constexpr ItemSpec s = Spec(I);
  return {r.bytes + s.offset(), s.width};
}

bool Blank(std::string_view s) {
  for (char c : s)
    if (c != ' ') return false;
  return true;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
int Digits(std::string_view s) {
  int v = 0;
  for (char c : s) v = v * 10 + (c - '0');
  return v;
}

// Eight characters DDDHMMSS with the hemisphere letter at position 4.
bool HalfValid(std::string_view t, char positive, char negative, int degreeLimit) {
  if (t.size() != 8) return false;  // a blank anywhere leaves fewer than 8 characters
  if (t[3] != positive && t[3] != negative) return false;
  for (size_t k : {0, 1, 2, 4, 5, 6, 7})
    if (!IsDigit(t[k])) return false;
  return Digits(t.substr(0, 3)) <= degreeLimit && Digits(t.substr(4, 2)) <= 59 && Digits(t.substr(6, 2)) <= 59;
}

// Codes of one or two characters, compared character by character.
bool InList(std::span<const CodeLine> lines, std::string_view code) {
  for (const CodeLine& l : lines)
    if (l.code[0] == code[0] && (code.size() == 1 || l.code[1] == code[1])) return true;
  return false;
}

bool IsCategoryLetter(char c) { return IsUpper(c) && c != 'J'; }

// Characters 1 to 4 of [7A]: digits, the letters K and M, anything else.
struct BandwidthCount {
  int digits = 0, letters = 0, others = 0;
  bool valid() const { return digits == 3 && letters == 1; }
};
BandwidthCount CountBandwidth(std::string_view code4) {
  BandwidthCount n;
  for (char c : code4) {
    if (IsDigit(c)) ++n.digits;
    else if (c == 'K' || c == 'M') ++n.letters;
    else ++n.others;
  }
  return n;
}
// "K" is the decimal point; the lenient read stops at "M", so "5M00" reads as 5.
double BandwidthValue(std::string_view code4) {
  char buf[4];
  for (size_t k = 0; k < 4; ++k) buf[k] = code4[k] == 'K' ? '.' : code4[k];
  return LenientNumber(std::string_view(buf, 4));
}

// YYYYMMDD of a date item read leniently; 0 for a blank date.
long DateKey(std::string_view d) {
  if (Blank(d)) return 0;
  const char buf[8] = {d[4], d[5], d[6], d[7], d[2], d[3], d[0], d[1]};
  return static_cast<long>(LenientNumber(std::string_view(buf, 8)));
}

bool OutOfBands(std::string_view item12) {
  const auto f = FrequencyMHz(item12);
  return f && !InTestedBand(*f);
}

std::string BlankQuestionMarks(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c == ' ') c = '?';
  return out;
}

// The checks. stop(check) is called for every failing check and says whether to return its mark
// (true) or to go on as if the check had passed (a waived check).
template <class Stop>
CheckResult Run(const StationRecord& r, ErrorSearchMode mode, Stop&& stop) {
  const bool calcOnly = mode == ErrorSearchMode::CalcErrors;
  const bool all = !calcOnly;
  auto fail = [&](Check c) { return stop(c); };
  auto result = [](Check c) { return CheckResult{c, Row(c).mark}; };

  const std::string_view tx = At<Item::k1A>(r), rx = At<Item::k1Y>(r);
  const bool txBlank = Blank(tx.substr(0, 11)), rxBlank = Blank(rx.substr(0, 11));
  if (txBlank && rxBlank && fail(Check::FrequencyMissing)) return result(Check::FrequencyMissing);

  const char category = At<Item::k1Z>(r)[0];
  if ((category < '1' || category > '5') && fail(Check::FrequencyCategory)) return result(Check::FrequencyCategory);

  const std::string_view stationClass = At<Item::k6A>(r);
  if (all && !InList(StationClasses().lines, stationClass) && fail(Check::StationClass))
    return result(Check::StationClass);
  if (all && !InList(ServiceNatures().lines, At<Item::k6B>(r)) && fail(Check::ServiceNature))
    return result(Check::ServiceNature);
  const std::string_view use = At<Item::k6Z>(r);
  if (all && !(IsCategoryLetter(use[0]) && (IsCategoryLetter(use[1]) || use[1] == ' ')) && fail(Check::UseCategory))
    return result(Check::UseCategory);

  const char occupation = At<Item::k10Z>(r)[0];
  if (occupation != '0' && occupation != '1' && occupation != ' ' && fail(Check::ChannelOccupation))
    return result(Check::ChannelOccupation);

  const std::string_view name = At<Item::k4A>(r);
  if (all && Blank(name) && fail(Check::NameMissing)) return result(Check::NameMissing);
  if (Blank(At<Item::k4B>(r)) && fail(Check::CountryMissing)) return result(Check::CountryMissing);

  const std::string_view position = At<Item::k4C>(r);
  const bool positionBlank = Blank(position);
  if (all && positionBlank && name.find("INTR") == std::string_view::npos && fail(Check::NameNotIntr))
    return result(Check::NameNotIntr);
  if (!positionBlank && !LongitudeValid(position.substr(0, 8)) && fail(Check::Longitude)) return result(Check::Longitude);
  if (!positionBlank && !LatitudeValid(position.substr(8, 7)) && fail(Check::Latitude)) return result(Check::Latitude);

  // A blank radius is neither 0 nor > 0.
  const std::string_view radius = At<Item::k4D>(r);
  const bool radiusBlank = Blank(radius);
  if (radiusBlank && !positionBlank && fail(Check::RadiusMissing)) return result(Check::RadiusMissing);
  const double R = LenientNumber(radius);
  const bool radiusZero = !radiusBlank && R == 0, radiusPositive = !radiusBlank && R > 0;
  const char classLetter = stationClass[0];
  if (all && radiusZero && classLetter == 'M' && fail(Check::RadiusZeroMobile)) return result(Check::RadiusZeroMobile);
  if (all && radiusPositive && classLetter == 'F' && fail(Check::RadiusPositiveFixed))
    return result(Check::RadiusPositiveFixed);

  const std::string_view emission = At<Item::k7A>(r);
  if (Blank(emission) && fail(Check::EmissionMissing)) return result(Check::EmissionMissing);
  const std::string_view bandwidth = emission.substr(0, 4);
  if (CountBandwidth(bandwidth).valid()) {
    const double v = BandwidthValue(bandwidth);
    if (v > 16 && v < 200 && fail(Check::BandwidthValue)) return result(Check::BandwidthValue);
    int classChars = 0;
    for (char c : emission.substr(4, 3)) classChars += c != ' ';
    if (classChars < 3 && fail(Check::EmissionClass)) return result(Check::EmissionClass);
  } else if (fail(Check::BandwidthCode)) {
    return result(Check::BandwidthCode);
  }

  const bool powerBlank = Blank(At<Item::k8B1>(r));
  if (all && txBlank && !powerBlank && fail(Check::PowerNotBlank)) return result(Check::PowerNotBlank);
  if (all && !txBlank && powerBlank && fail(Check::PowerMissing)) return result(Check::PowerMissing);
  const char reference = At<Item::k8B2>(r)[0];
  if (reference != 'E' && reference != 'I' && fail(Check::ReferenceAntenna)) return result(Check::ReferenceAntenna);

  // Mobile stations and service areas have an omnidirectional antenna 3 m high.
  const bool mobileLike = classLetter == 'M' || radiusPositive;
  const double azimuth = LenientNumber(At<Item::k9A>(r));
  const bool azimuthOut = azimuth < 0 || azimuth > 360;
  if (all && mobileLike && azimuth != 0 && fail(Check::AzimuthNotBlank)) return result(Check::AzimuthNotBlank);
  if (all && !mobileLike && azimuthOut && fail(Check::AzimuthRange)) return result(Check::AzimuthRange);
  if (calcOnly && radiusZero && azimuthOut && fail(Check::CalcAzimuthRange)) return result(Check::CalcAzimuthRange);
  const double elevation = LenientNumber(At<Item::k9B>(r));
  const bool elevationOut = elevation < -90 || elevation > 90;
  if (all && mobileLike && elevation != 0 && fail(Check::ElevationNotBlank)) return result(Check::ElevationNotBlank);
  if (all && !mobileLike && elevationOut && fail(Check::ElevationRange)) return result(Check::ElevationRange);
  if (calcOnly && radiusZero && elevationOut && fail(Check::CalcElevationRange))
    return result(Check::CalcElevationRange);

  if (all) {
    char compact[2];
    size_t n = 0;
    for (char c : At<Item::k9D>(r))
      if (c != ' ') compact[n++] = c;
    bool known = false;
    for (const CodeLine& l : Polarisations().lines) {
      const std::string_view code = l.code[1] == ' ' ? l.code.substr(0, 1) : l.code;
      known = known || code == std::string_view(compact, n);
    }
    if (!known && fail(Check::Polarisation)) return result(Check::Polarisation);
  }

  const double height = std::round(LenientNumber(At<Item::k9Y>(r)));
  if (all && mobileLike && height != 3 && fail(Check::HeightNotThree)) return result(Check::HeightNotThree);
  // Where the 3 m rule applied and passed, the height is 3, so this test needs no condition.
  if (height < 1 && fail(Check::HeightBelowOne)) return result(Check::HeightBelowOne);

  const std::string_view patternH = At<Item::k9XH>(r), patternV = At<Item::k9XV>(r);
  if (all && mobileLike && patternH != kOmni && fail(Check::PatternHNotOmni)) return result(Check::PatternHNotOmni);
  if (all && mobileLike && patternV != kOmni && fail(Check::PatternVNotOmni)) return result(Check::PatternVNotOmni);
  if (patternH != kUndetermined && patternH != kOmni && !AntennaCodeValid(patternH) && fail(Check::PatternHCode))
    return result(Check::PatternHCode);
  if (patternV != kUndetermined && patternV != kOmni && !AntennaCodeValid(patternV) && fail(Check::PatternVCode))
    return result(Check::PatternVCode);

  if (calcOnly) return {};

  if (!InList(CoordinationStatuses().lines, At<Item::k13Y>(r)) && fail(Check::Status)) return result(Check::Status);
  if (DateKey(At<Item::k2C>(r)) == 0 && DateKey(At<Item::k2W>(r)) == 0 &&
      DateKey(At<Item::k2Z>(r)) == 0 && fail(Check::DatesMissing))
    return result(Check::DatesMissing);
  if (!txBlank && OutOfBands(tx) && fail(Check::TxOutOfBands)) return result(Check::TxOutOfBands);
  if (!rxBlank && OutOfBands(rx) && fail(Check::RxOutOfBands)) return result(Check::RxOutOfBands);
  return {};
}

}  // namespace

bool LongitudeValid(std::string_view text8) {
  char t[8];
  size_t n = 0;
  for (char c : text8)
    if (c != ' ' && n < 8) t[n++] = c;
  return HalfValid(std::string_view(t, n), 'E', 'W', 179);
}

bool LatitudeValid(std::string_view text7) {
  char t[8] = {'0'};
  size_t n = 1;
  for (char c : text7)
    if (c != ' ' && n < 8) t[n++] = c;
  return HalfValid(std::string_view(t, n), 'N', 'S', 89);
}

bool AntennaCodeValid(std::string_view code) { return radpattern::CheckAntennaCode(code) == 1; }

bool IsWaivable(Check check) { return Row(check).waivable; }

std::string CheckMessage(Check check, const StationRecord& record, Language language) {
  const auto L = [language](const BiText& t) { return std::string(t(language)); };
  std::array<std::string, 4> lines;
  const CheckRow& row = Row(check);
  for (size_t k = 0; k < 4; ++k) lines[k] = L(row.lines[k]);
  size_t count = 0;
  while (count < 4 && !row.lines[count].en.empty()) ++count;
  if (check == Check::RadiusZeroMobile || check == Check::RadiusPositiveFixed) {
    lines[0] += Latin1ToUtf8(ItemText(record, Item::k6A));
  } else if (check == Check::BandwidthCode) {
    const std::string_view code = ItemText(record, Item::k7A).substr(0, 4);
    const BandwidthCount n = CountBandwidth(code);
    // Counts are written with a leading blank, as numbers are shown elsewhere in the editor.
    const auto num = [](int v) { return " " + std::to_string(v); };
    const bool en = language == Language::English;
    lines[0] = (en ? "Wrong bandwidth code:  " : "Chybný kód šíře pásma:  ") + Latin1ToUtf8(BlankQuestionMarks(code)) +
               (en ? "  in Designation of emission  !!  " : "  v Označení vysílání  !!  ");
    lines[1].clear();
    lines[2] = (en ? "code contains:  " : "kód obsahuje:  ") + num(n.digits) + (en ? " digits,  " : " číslic,  ") +
               num(n.letters) + (en ? " K,M char.,  " : " znaků K,M,  ") + num(n.others) +
               (en ? " uncorrect char. " : " chybných znaků. ");
    count = 3;
  }
  std::string text = lines[0];
  for (size_t k = 1; k < count; ++k) text += "\r\n" + lines[k];
  return text;
}

CheckResult CheckRecord(const StationRecord& record, ErrorSearchMode mode) {
  return Run(record, mode, [](Check) { return true; });
}

CheckResult CheckRecord(const StationRecord& record, ErrorSearchMode mode, const CheckPrompt& prompt) {
  const std::string title = std::string(prompt.captionPrefix) + std::string(kTitle(prompt.language));
  return Run(record, mode, [&](Check c) {
    std::string text = CheckMessage(c, record, prompt.language);
    if (!IsWaivable(c)) {
      prompt.host.Message(text, title, quorla::Buttons::Ok, quorla::Icon::Exclamation);
      return true;
    }
    text += "\r\n\r\n" + std::string(kMayIgnore(prompt.language));
    return prompt.host.Message(text, title, quorla::Buttons::YesNo, quorla::Icon::Exclamation) != quorla::Answer::Yes;
  });
}

}  // namespace recbook
