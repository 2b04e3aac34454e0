#include "listing/list_sort.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "listing/list_line.h"
#include "records/picture_mask.h"
#include "records/record_text.h"

namespace recbook {
namespace {

// Field offsets in a view-A line (0-based).
constexpr size_t kBase = kBaseOffset;
constexpr size_t kCountry = kBase, kCountryName = kBase, kName = kBase + 4, kClass = kBase + 20,
                 kCategory = kBase + 23, kTx = kBase + 42;
constexpr size_t kSegA = kBase + kBaseSize, kSegB = kSegA + kSegmentSize + 5, kSegC = kSegB + kSegmentSize;
constexpr size_t kRx = kSegA, kPower = kSegA + 10, kStatus = kSegA + 27;
constexpr size_t kUse = kSegB + 11, kDate = kSegB + 15;
constexpr size_t kReference = kSegC + 7;

// Fields of a key, in the order the orders name them.
enum class Field { Number, Country, CountryName, Name, Class, Category, Tx, Rx, Power, Status, Use, Date, Reference };

struct TextField {
  size_t offset, width;
};
TextField TextOf(Field f) {
  switch (f) {
    case Field::Number: return {kNumberOffset, 7};
    case Field::Country: return {kCountry, 3};
    case Field::CountryName: return {kCountryName, 18};
    case Field::Name: return {kName, 14};
    case Field::Class: return {kClass, 2};
    case Field::Category: return {kCategory, 1};
    case Field::Status: return {kStatus, 1};
    case Field::Use: return {kUse, 2};
    case Field::Date: return {kDate, 10};
    case Field::Reference: return {kReference, 21};
    default: return {0, 0};
  }
}

struct Fields {
  std::array<Field, 4> f;
  int n;
};
Fields FieldsOf(int order) {
  using F = Field;
  switch (order) {
    case 301: return {{F::CountryName, F::Tx}, 2};
    case 302: return {{F::Country, F::Class, F::Tx, F::Name}, 4};
    case 303: return {{F::Country, F::Category, F::Tx, F::Name}, 4};
    case 304: return {{F::Country, F::Tx, F::Name}, 3};
    case 305: return {{F::Tx, F::CountryName}, 2};
    case 306: return {{F::Country, F::Rx, F::Name}, 3};
    case 307: return {{F::Rx, F::CountryName}, 2};
    case 308: return {{F::Country, F::Power, F::Tx, F::Name}, 4};
    case 309: return {{F::Power, F::CountryName}, 2};
    case 310: return {{F::Country, F::Status, F::Tx, F::Name}, 4};
    case 311: return {{F::Status, F::CountryName}, 2};
    case 312: return {{F::Country, F::Use, F::Tx, F::Name}, 4};
    case 313: return {{F::Country, F::Date, F::Tx, F::Name}, 4};
    case 314: return {{F::Date, F::CountryName}, 2};
    case 315: return {{F::Country, F::Reference, F::Tx, F::Name}, 4};
    default: return {{F::Number}, 1};
  }
}

// The literal key of a frequency text: its value under "00000.0000".
std::string FrequencyKeyText(std::string_view text) { return MaskedItem(LenientNumber(text), "00000.0000"); }

std::string PowerKeyText(std::string_view text) {
  const double p = LenientNumber(text);
  return p < 0 ? "A" + MaskedItem(p + 10000, "0000.0") : "B" + MaskedItem(p, "0000.0");
}

// A masked key text of digits and one point, or the "*" fill: 0 for the fill, else 1 + the digits
// read as one integer. Both forms have a fixed width, so the integers keep the texts' order.
uint32_t CodeOfMaskedText(std::string_view text) {
  if (text.empty() || text[0] == '*') return 0;
  uint32_t v = 0;
  for (char c : text)
    if (c != '.') v = v * 10 + static_cast<uint32_t>(c - '0');
  return v + 1;
}

// The line's own masked number: blanks, an optional "-", digits, and, when decimals > 0, a point
// with that many digits. Sets the value in units of the last decimal; false for any other text.
bool ReadOwnNumber(std::string_view text, int decimals, long long& units) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i == text.size()) {
    units = 0;
    return true;
  }
  const bool negative = text[i] == '-';
  if (negative) ++i;
  long long v = 0;
  int digits = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) v = v * 10 + (text[i] - '0');
  if (digits == 0) return false;
  if (decimals > 0) {
    if (i + 1 + static_cast<size_t>(decimals) != text.size() || text[i] != '.') return false;
    for (++i; i < text.size(); ++i) {
      if (text[i] < '0' || text[i] > '9') return false;
      v = v * 10 + (text[i] - '0');
    }
  } else if (i != text.size()) {
    return false;
  }
  units = negative ? -v : v;
  return true;
}

// 4 bytes: the frequency key. The line's "#####.####" text has the key's digits already.
uint32_t FrequencyCode(std::string_view text) {
  long long units;
  if (ReadOwnNumber(text, 4, units) && units >= 0 && units < 1000000000LL) return static_cast<uint32_t>(units) + 1;
  return CodeOfMaskedText(FrequencyKeyText(text));
}

// 3 bytes: the power key, its letter (A = 0, B = 1) above the code of its masked part.
uint32_t PowerCode(std::string_view text) {
  long long tenths;
  if (ReadOwnNumber(text, 1, tenths) && tenths > -100000 && tenths < 100000)
    return tenths < 0 ? static_cast<uint32_t>(tenths + 100000 + 1) : 200000u + static_cast<uint32_t>(tenths) + 1;
  const std::string key = PowerKeyText(text);
  return (key[0] == 'A' ? 0u : 200000u) + CodeOfMaskedText(std::string_view(key).substr(1));
}

void PutBigEndian(uint32_t v, int bytes, unsigned char*& p) {
  for (int i = bytes - 1; i >= 0; --i) *p++ = static_cast<unsigned char>(v >> (8 * i));
}

size_t CompactFieldSize(Field f) {
  if (f == Field::Tx || f == Field::Rx) return 4;
  if (f == Field::Power) return 3;
  return TextOf(f).width;
}

template <int K>
struct Keyed {
  uint64_t w[K];
  uint32_t row;
};

template <int K>
bool KeyLess(const Keyed<K>& a, const Keyed<K>& b) {
  for (int i = 0; i < K; ++i)
    if (a.w[i] != b.w[i]) return a.w[i] < b.w[i];
  return a.row < b.row;
}

uint64_t LoadBigEndian(const unsigned char* p) {
  uint64_t v = 0;
  for (int i = 0; i < 8; ++i) v = (v << 8) | p[i];
  return v;
}

template <int K>
std::vector<uint32_t> SortWith(const char* lines, std::span<const uint32_t> rows, int order) {
  std::vector<Keyed<K>> keyed(rows.size());
  unsigned char key[kMaxCompactKey];
  for (size_t r = 0; r < rows.size(); ++r) {
    CompactKey(lines + static_cast<size_t>(rows[r]) * kListLineSize, order, key);
    for (int i = 0; i < K; ++i) keyed[r].w[i] = LoadBigEndian(key + 8 * i);
    keyed[r].row = static_cast<uint32_t>(r);
  }
  std::sort(keyed.begin(), keyed.end(), KeyLess<K>);
  std::vector<uint32_t> out(rows.size());
  for (size_t r = 0; r < rows.size(); ++r) out[r] = rows[keyed[r].row];
  return out;
}

}  // namespace

std::string SortKeyText(std::string_view line, int order) {
  std::string key;
  const Fields fields = FieldsOf(order);
  for (int i = 0; i < fields.n; ++i) {
    const Field f = fields.f[i];
    if (f == Field::Tx) {
      key += FrequencyKeyText(line.substr(kTx, 10));
    } else if (f == Field::Rx) {
      key += FrequencyKeyText(line.substr(kRx, 10));
    } else if (f == Field::Power) {
      key += PowerKeyText(line.substr(kPower, 6));
    } else {
      key += line.substr(TextOf(f).offset, TextOf(f).width);
    }
  }
  return key;
}

size_t CompactKeySize(int order) {
  const Fields fields = FieldsOf(order);
  size_t n = 0;
  for (int i = 0; i < fields.n; ++i) n += CompactFieldSize(fields.f[i]);
  return (n + 7) / 8 * 8;
}

void CompactKey(const char* line, int order, unsigned char* out) {
  const Fields fields = FieldsOf(order);
  unsigned char* p = out;
  for (int i = 0; i < fields.n; ++i) {
    const Field f = fields.f[i];
    if (f == Field::Tx) {
      PutBigEndian(FrequencyCode({line + kTx, 10}), 4, p);
    } else if (f == Field::Rx) {
      PutBigEndian(FrequencyCode({line + kRx, 10}), 4, p);
    } else if (f == Field::Power) {
      PutBigEndian(PowerCode({line + kPower, 6}), 3, p);
    } else {
      std::memcpy(p, line + TextOf(f).offset, TextOf(f).width);
      p += TextOf(f).width;
    }
  }
  std::memset(p, 0, static_cast<size_t>(out + CompactKeySize(order) - p));
}

std::vector<uint32_t> SortSlots(const char* lines, std::span<const uint32_t> rows, int order) {
  switch (CompactKeySize(order) / 8) {
    case 1: return SortWith<1>(lines, rows, order);
    case 2: return SortWith<2>(lines, rows, order);
    case 3: return SortWith<3>(lines, rows, order);
    case 4: return SortWith<4>(lines, rows, order);
    case 5: return SortWith<5>(lines, rows, order);
    default: return SortWith<6>(lines, rows, order);
  }
}

}  // namespace recbook
