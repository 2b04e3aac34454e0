#include "text_number.h"

#include <charconv>
#include <cmath>

namespace radpattern {
namespace {

bool Digit(char c) { return c >= '0' && c <= '9'; }

// Length of the decimal number at the start of text (0 when none): [+-]digits[.digits] or
// [+-].digits, then an optional exponent that is taken only when it has digits.
size_t NumberLength(std::string_view t) {
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  size_t digits = 0;
  while (i < t.size() && Digit(t[i])) ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && Digit(t[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    if (j < t.size() && Digit(t[j])) {
      while (j < t.size() && Digit(t[j])) ++j;
      i = j;
    }
  }
  return i;
}

// Value of a text that NumberLength accepted whole: infinite when too large, 0 when too small.
double Convert(std::string_view t) {
  const bool negative = t[0] == '-';
  if (t[0] == '+' || t[0] == '-') t.remove_prefix(1);
  double v = 0.0;
  const auto r = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range) {
    const size_t e = t.find_first_of("eE");
    const bool tiny = e != std::string_view::npos && e + 1 < t.size() && t[e + 1] == '-';
    v = tiny ? 0.0 : HUGE_VAL;
  }
  return negative ? -v : v;
}

}  // namespace

double LeadingNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  text.remove_prefix(i);
  const size_t n = NumberLength(text);
  if (n == 0) return 0.0;
  const double v = Convert(text.substr(0, n));
  return std::isfinite(v) ? v : 0.0;
}

std::optional<double> WholeNumber(std::string_view text) {
  if (text.empty() || NumberLength(text) != text.size()) return std::nullopt;
  const double v = Convert(text);
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

}  // namespace radpattern
