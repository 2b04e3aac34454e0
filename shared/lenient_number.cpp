#include "lenient_number.h"

#include <cstddef>
#include <cstdint>

namespace quorla {
namespace {

// The digits read the slow way: value * 10 + digit, then digit * 0.1, 0.01, ... Used only when the
// text has more digits than a double holds exactly.
double SlowNumber(std::string_view text, size_t i) {
  double value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = value * 10 + (text[i] - '0');
  if (i < text.size() && text[i] == '.') {
    double scale = 0.1;
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, scale /= 10) value += (text[i] - '0') * scale;
  }
  return value;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double LenientNumber(std::string_view text) {
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end && (*p == ' ' || *p == '\t' || *p == '\n')) ++p;
  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) negative = *p++ == '-';
  // A mantissa under 2^53 and the powers of ten up to 10^22 are exact in a double, so one division
  // gives the correctly rounded value.
  static constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11,
                                      1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const char* const first = p;
  uint64_t mantissa = 0;
  for (; p != end && IsDigit(*p); ++p) mantissa = mantissa * 10 + static_cast<uint64_t>(*p - '0');
  std::ptrdiff_t digits = p - first, decimals = 0;
  if (p != end && *p == '.') {
    const char* const fraction = ++p;
    for (; p != end && IsDigit(*p); ++p) mantissa = mantissa * 10 + static_cast<uint64_t>(*p - '0');
    decimals = p - fraction;
    digits += decimals;
  }
  const double value = (digits <= 19 && decimals <= 22 && mantissa < (uint64_t{1} << 53))
                           ? static_cast<double>(mantissa) / kPow10[decimals]
                           : SlowNumber(text, static_cast<size_t>(first - text.data()));
  return negative ? -value : value;
}

}  // namespace quorla
