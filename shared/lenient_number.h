#pragma once
// The lenient numeric read of record items, co-ordinate fields and planar input: leading blanks,
// tabs and line feeds skipped, then the leading numeric part of the text (optional sign, digits,
// optional "." and digits), 0 when there is none.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quorla {

// The numeric part as decimal digits: value = mantissa / 10^decimals (with the sign). mantissa
// holds every digit read only while digits <= 19; start is where the first digit would stand.
struct LenientDigits {
  bool negative = false;
  uint64_t mantissa = 0;
  int digits = 0;    // digits read, leading zeros included
  int decimals = 0;  // of them behind the point
  size_t start = 0;
};
// Inline: the record list reads several items of every record through it.
inline LenientDigits ReadLenientDigits(std::string_view text) {
  LenientDigits d;
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end && (*p == ' ' || *p == '\t' || *p == '\n')) ++p;
  if (p != end && (*p == '+' || *p == '-')) d.negative = *p++ == '-';
  d.start = static_cast<size_t>(p - text.data());
  const auto digit = [](char c) { return c >= '0' && c <= '9'; };
  for (; p != end && digit(*p); ++p, ++d.digits) d.mantissa = d.mantissa * 10 + static_cast<uint64_t>(*p - '0');
  if (p != end && *p == '.')
    for (++p; p != end && digit(*p); ++p, ++d.digits, ++d.decimals)
      d.mantissa = d.mantissa * 10 + static_cast<uint64_t>(*p - '0');
  return d;
}

double LenientNumber(std::string_view text);

}  // namespace quorla
