#include "correction/record_correction.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

#include "antenna_types.h"
#include "geo_text.h"
#include "records/item_table.h"
#include "records/record_text.h"

namespace recbook {
namespace {

constexpr std::string_view kOmnidirectional = "000ND00";

bool StartsWith(std::string_view s, char c) { return !s.empty() && s[0] == c; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }
// True when the two characters of s are one of the pairs of list ("FBFCFX").
bool InPairs(std::string_view s, std::string_view list) {
  for (size_t i = 0; i + 1 < list.size(); i += 2)
    if (s[0] == list[i] && s[1] == list[i + 1]) return true;
  return false;
}

// The record being corrected and the repairs counted so far.
class Editor {
 public:
  explicit Editor(StationRecord& r) : r_(r) {}

  std::string_view operator[](Item i) const { return ItemText(r_, i); }
  double Number(Item i) const { return LenientNumber((*this)[i]); }

  // Sets the item to text fixed to its width; one repair when the item changed and counted.
  void Set(Item i, std::string_view text, bool counted = true) {
    const ItemSpec& s = Spec(i);
    char fixed[kRecordSize];
    std::memset(fixed, ' ', s.width);
    std::memcpy(fixed, text.data(), std::min<size_t>(text.size(), s.width));
    char* at = r_.bytes + s.offset();
    if (std::memcmp(at, fixed, s.width) == 0) return;
    std::memcpy(at, fixed, s.width);
    if (counted) ++repairs_;
  }
  void Count(int n) { repairs_ += n; }

  StationRecord& record() { return r_; }
  int repairs() const { return repairs_; }

 private:
  StationRecord& r_;
  int repairs_ = 0;
};

// "a" to "z" become "A" to "Z"; every other byte stays. Eight bytes at a time: a byte below 0x80
// is a lower-case letter when adding 0x80 - 'a' sets its top bit and adding 0x7F - 'z' does not.
void UpperCase(StationRecord& r) {
  constexpr uint64_t kOnes = 0x0101010101010101ull;
  constexpr uint64_t kTop = 0x8080808080808080ull;
  size_t i = 0;
  for (; i + 8 <= kRecordSize; i += 8) {
    uint64_t w;
    std::memcpy(&w, r.bytes + i, 8);
    const uint64_t low7 = w & ~kTop;
    const uint64_t atLeastA = low7 + (0x80 - 'a') * kOnes;
    const uint64_t aboveZ = low7 + (0x7F - 'z') * kOnes;
    const uint64_t lower = atLeastA & ~aboveZ & ~w & kTop;
    w ^= lower >> 2;  // clears bit 0x20 of the lower-case letters
    std::memcpy(r.bytes + i, &w, 8);
  }
  for (; i < kRecordSize; ++i)
    if (r.bytes[i] >= 'a' && r.bytes[i] <= 'z') r.bytes[i] = static_cast<char>(r.bytes[i] - 'a' + 'A');
}

void FixedRepairs(Editor& e) {
  UpperCase(e.record());
  if (IsBlankItem(e[Item::k10Z])) e.Set(Item::k10Z, "0", false);
  if (IsBlankItem(e[Item::k4D]) && StartsWith(e[Item::k6A], 'F')) e.Set(Item::k4D, "0", false);
  if (IsBlankItem(e[Item::k8B2])) e.Set(Item::k8B2, "E");
}

// O1: a frequency below 10 MHz is taken for a typing error and cleared; the unit letter stays.
void LowFrequency(Editor& e) {
  for (Item i : {Item::k1A, Item::k1Y}) {
    const std::optional<double> mhz = FrequencyMHz(e[i]);
    if (!mhz || *mhz >= 10) continue;
    std::string cleared(11, ' ');
    cleared += e[i][11];
    e.Set(i, cleared);
  }
}

// O2: a station without a transmitting frequency radiates no power.
void ReceiverPower(Editor& e) {
  if (IsBlankItem(e[Item::k1A].substr(0, 11)) && !IsBlankItem(e[Item::k8B1])) e.Set(Item::k8B1, "");
}

// The site items of a mobile station: omnidirectional, 3 m high, vertically polarised.
void MobileSite(Editor& e) {
  for (Item i : {Item::k4Z, Item::k9A, Item::k9B}) e.Set(i, "");
  e.Set(Item::k9D, "V");
  if (e.Number(Item::k9Y) != 3) e.Set(Item::k9Y, "3");
  e.Set(Item::k9XH, kOmnidirectional);
  e.Set(Item::k9XV, kOmnidirectional);
}

// O3: a station without co-ordinates is usable anywhere in its country.
void WholeCountry(Editor& e) {
  if (!IsBlankItem(e[Item::k4C])) return;
  e.Set(Item::k6A, "ML");
  const std::string_view name = e[Item::k4A];
  if (name.find("INTR") == std::string_view::npos) {
    std::string prefixed = name[0] == ' ' ? "INTR " : "INTR-";
    prefixed += name;
    e.Set(Item::k4A, prefixed);
  }
  e.Set(Item::k4D, "");
  MobileSite(e);
}

// O4: the class of station must agree with the radius of the service area.
void StationClass(Editor& e) {
  if (IsBlankItem(e[Item::k4D])) return;
  const std::string_view cls = e[Item::k6A];
  if (e.Number(Item::k4D) == 0) {
    if (!InPairs(cls, "FBFCFLFPFSFWFX")) e.Set(Item::k6A, "FX");
  } else if (!InPairs(cls, "MLMRMS")) {
    e.Set(Item::k6A, "ML");
  }
}

// O5: a fixed station has no service area. (A blank [4D] of a fixed station was already set to 0
// by the fixed repairs.)
void FixedRadius(Editor& e) {
  if (StartsWith(e[Item::k6A], 'F') && e.Number(Item::k4D) > 0) e.Set(Item::k4D, "0");
}

// O6: [4Z] replaced by the terrain height when the two differ by more than 10 % (5 m up to 50 m).
void TerrainAltitude(Editor& e, const TerrainLookup& terrain) {
  if (!terrain || !StartsWith(e[Item::k6A], 'F')) return;
  if (IsBlankItem(e[Item::k4Z]) || IsBlankItem(e[Item::k4C]) || IsBlankItem(e[Item::k4D])) return;
  if (e.Number(Item::k4D) != 0) return;
  const std::string_view site = e[Item::k4C];
  std::string position(site.substr(0, 8));
  position += ',';
  position += site.substr(8, 7);
  const quorla::GeoPosition p = quorla::ParseGeoText(position);
  const float height = terrain(p.lon, p.lat);
  if (!(height > -333)) return;  // no data (NaN included)
  const long a = std::lround(e.Number(Item::k4Z));
  const long d = std::lround(height);
  const bool differs = d > 50 ? (static_cast<double>(a) / d > 1.1 || static_cast<double>(a) / d < 0.9)
                              : std::labs(d - a) > 5;
  if (!differs) return;
  char text[24];
  const int n = std::snprintf(text, sizeof text, "%ld", d);
  if (n > 4) return;  // a height the item cannot hold
  e.Set(Item::k4Z, text);
}

// O7: a mobile station with a service area has no fixed antenna.
void MobileStation(Editor& e) {
  if (StartsWith(e[Item::k6A], 'M') && e.Number(Item::k4D) > 0) MobileSite(e);
}

// Characters that the lenient number reading of text uses: blanks, sign, digits, point, digits.
size_t NumberLength(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  if (i < text.size() && text[i] == '.')
    for (++i; i < text.size() && IsDigit(text[i]); ++i) {
    }
  return i;
}

// A bandwidth of v kHz as "0.00" below 10, else "00.0", with "K" for the point (8.5 gives 8K50,
// 12.5 gives 12K5), rounded half away from zero. v is never negative.
std::string BandwidthCode(double v) {
  const bool small = v < 10;
  const long scaled = std::lround(v * (small ? 100 : 10));
  const long whole = scaled / (small ? 100 : 10);
  const long fraction = scaled % (small ? 100 : 10);
  std::string code = std::to_string(whole);
  code += 'K';
  if (small && fraction < 10) code += '0';
  code += std::to_string(fraction);
  return code;
}

// O8: the bandwidth code of [7A] as digits with "K" for the decimal point.
void BandwidthFormat(Editor& e) {
  const std::string old(e[Item::k7A]);
  const std::string_view b = std::string_view(old).substr(0, 4);
  if (b == "5M00" || b == "200K" || b == "    ") return;
  const char sixth = old[5];
  if (IsDigit(sixth) || sixth == 'X') {
    // The class characters stand in place: only the bandwidth's own characters are rewritten.
    char number[4];
    int wrong = 0;
    for (size_t i = 0; i < 4; ++i) {
      number[i] = IsDigit(b[i]) ? b[i] : '.';
      if (!IsDigit(b[i]) && b[i] != 'K') ++wrong;
    }
    const std::string code = BandwidthCode(LenientNumber(std::string_view(number, 4)));
    if (code.size() > 4) return;  // 100 kHz or more has no "00.0" form; the check reports it
    e.Set(Item::k7A, code + old.substr(4), false);
    e.Count(wrong);
    return;
  }
  // A bare number: the class characters follow right behind its digits. Without a number, with a
  // sign, or with a number followed by a unit letter, the text is not a bare number and is left alone (the
  // rewrite would only shift it further).
  const size_t start = b.find_first_not_of(' ');
  if (start == std::string_view::npos || !IsDigit(b[start])) return;  // a bandwidth has no sign
  const size_t used = NumberLength(b);
  if (used < 4 && (b[used] == 'K' || b[used] == 'M')) return;
  // Written as in the aligned case: 16 gives 16K0 and 8 gives 8K00 (the number's text followed by
  // "K00", cut to four), and a number with decimals also gets a valid code (7.5 gives 7K50). A
  // whole number of three digits has no "00.0" form but the same rule gives its code: 125K.
  const double v = LenientNumber(b);
  std::string code = BandwidthCode(v);
  if (code.size() > 4 && v < 1000 && v == std::floor(v)) code = std::to_string(static_cast<long>(v)) + 'K';
  if (code.size() > 4) return;
  e.Set(Item::k7A, code + old.substr(used));
}

// The last `width` characters of digits, padded on the left with "0".
std::string Digits(const std::string& digits, size_t width) {
  if (digits.size() >= width) return digits.substr(digits.size() - width);
  return std::string(width - digits.size(), '0') + digits;
}

// O9: a code rebuilt as 3 digits, 2 letters, 2 digits; one repair when a part had a wrong length.
void AntennaCodeShape(Editor& e, Item item) {
  const std::string_view code = e[item];
  if (IsBlankItem(code)) {
    e.Set(item, kOmnidirectional);
    return;
  }
  if (IsDigit(code[0]) && IsDigit(code[1]) && IsDigit(code[2]) && IsLetter(code[3]) && IsLetter(code[4]) &&
      IsDigit(code[5]) && IsDigit(code[6]))
    return;  // already 3 digits, 2 letters, 2 digits
  std::string letters, leading, trailing;
  for (char c : code) {
    if (IsLetter(c))
      letters += c;
    else if (IsDigit(c))
      (letters.empty() ? leading : trailing) += c;
  }
  const bool wrongLength = letters.size() != 2 || leading.size() != 3 || trailing.size() != 2;
  letters.resize(2, 'X');
  e.Set(item, Digits(leading, 3) + letters + Digits(trailing, 2), false);
  if (wrongLength) e.Count(1);
}

// O10: the first three digits of a code into the range of its pattern type: 000 becomes the lowest
// value where 000 is out of range, a value above the range its highest.
void AntennaCodeRange(Editor& e, Item item) {
  const std::string_view code = e[item];
  if (IsBlankItem(code)) return;
  const double a = LenientNumber(code.substr(0, 3));
  const std::string_view type = code.substr(3, 2);
  const std::string_view last = code.substr(5, 2);
  const radpattern::AntennaTypeRange* range = radpattern::FindAntennaType(type);
  if (range && range->family != radpattern::kOmnidirectionalFamily) {
    int first = 0;
    if (a == 0 && range->firstFrom > 0)
      first = range->firstFrom;
    else if (a > range->firstTo)
      first = range->firstTo;
    else
      return;
    char digits[40];
    std::snprintf(digits, sizeof digits, "%03d%.2s%02ld", first, type.data(), std::lround(LenientNumber(last)));
    e.Set(item, digits);
    return;
  }
  if (code.substr(0, 3) == "000" && type != "ND" && last == "00")
    e.Set(item, kOmnidirectional);
  else if (code.substr(0, 3) == "999" && type != "XX" && last == "99")
    e.Set(item, "999XX99");
}

void LeftAlignReference(Editor& e) {
  const std::string_view ref = e[Item::k13X];
  const size_t first = ref.find_first_not_of(' ');
  if (first != 0 && first != std::string_view::npos) e.Set(Item::k13X, std::string(ref.substr(first)), false);
}

}  // namespace

int CorrectRecord(StationRecord& r, const CorrectionOptions& options, const TerrainLookup& terrain) {
  using O = CorrectionOption;
  Editor e(r);
  FixedRepairs(e);
  if (options.Has(O::kLowFrequency)) LowFrequency(e);
  if (options.Has(O::kReceiverPower)) ReceiverPower(e);
  if (options.Has(O::kWholeCountry)) WholeCountry(e);
  if (options.Has(O::kStationClass)) StationClass(e);
  if (options.Has(O::kFixedRadius)) FixedRadius(e);
  if (options.Has(O::kTerrainAltitude)) TerrainAltitude(e, terrain);
  if (options.Has(O::kMobileStation)) MobileStation(e);
  if (options.Has(O::kBandwidthFormat)) BandwidthFormat(e);
  if (options.Has(O::kAntennaCodeShape)) {
    AntennaCodeShape(e, Item::k9XH);
    AntennaCodeShape(e, Item::k9XV);
  }
  if (options.Has(O::kAntennaCodeRange)) {
    AntennaCodeRange(e, Item::k9XH);
    AntennaCodeRange(e, Item::k9XV);
  }
  LeftAlignReference(e);
  return e.repairs();
}

}  // namespace recbook
