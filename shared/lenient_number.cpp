#include "lenient_number.h"

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

}  // namespace

double LenientNumber(std::string_view text) {
  // A mantissa under 2^53 and the powers of ten up to 10^22 are exact in a double, so one division
  // gives the correctly rounded value.
  static constexpr double kPow10[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11,
                                      1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  const LenientDigits d = ReadLenientDigits(text);
  const double value = (d.digits <= 19 && d.decimals <= 22 && d.mantissa < (uint64_t{1} << 53))
                           ? static_cast<double>(d.mantissa) / kPow10[d.decimals]
                           : SlowNumber(text, d.start);
  return d.negative ? -value : value;
}

}  // namespace quorla
