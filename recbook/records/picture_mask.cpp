#include "picture_mask.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace recbook {
namespace {

// The value (not negative) rounded half away from zero to decimals places, as "%.*f" writes it;
// nothing when it has more than maxInt integer digits. The value is taken as the 15 significant
// decimal digits a double keeps, so that a number read from an item's text rounds as its digits
// say: "0.00015" gives 0.0002, although the nearest double lies just below 0.00015.
std::optional<std::string> RoundedDecimal(double value, int decimals, size_t maxInt) {
  char form[32];
  std::snprintf(form, sizeof form, "%.14e", value);  // d.dddddddddddddde[+-]x
  std::string digits(1, form[0]);
  digits.append(form + 2, 14);
  const int exponent = std::atoi(form + 17);
  // Digits kept: those down to 10^-decimals; the first one dropped decides the rounding.
  const int kept = exponent + 1 + decimals;
  if (exponent + 1 > static_cast<int>(maxInt)) return std::nullopt;  // more integer digits than positions
  std::string scaled;  // the value times 10^decimals, rounded, as digits
  if (kept <= 0) {
    scaled = kept == 0 && digits[0] >= '5' ? "1" : "0";
  } else {
    scaled = digits.substr(0, std::min<size_t>(static_cast<size_t>(kept), digits.size()));
    if (static_cast<size_t>(kept) > digits.size()) scaled.append(static_cast<size_t>(kept) - digits.size(), '0');
    if (static_cast<size_t>(kept) < digits.size() && digits[static_cast<size_t>(kept)] >= '5') {
      size_t i = scaled.size();
      while (i > 0 && scaled[i - 1] == '9') scaled[--i] = '0';
      if (i == 0)
        scaled.insert(scaled.begin(), '1');
      else
        ++scaled[i - 1];
    }
  }
  if (scaled.size() <= static_cast<size_t>(decimals)) scaled.insert(0, static_cast<size_t>(decimals) + 1 - scaled.size(), '0');
  const size_t point = scaled.size() - static_cast<size_t>(decimals);
  std::string text = scaled.substr(0, point);
  text.erase(0, std::min(text.find_first_not_of('0'), text.size() - 1));  // no leading zeros, "0" at least
  if (decimals > 0) text += '.' + scaled.substr(point);
  return text;
}

}  // namespace

std::optional<std::string> FormatMask(double value, std::string_view mask) {
  if (!std::isfinite(value)) return std::nullopt;
  const size_t point = mask.find('.');
  const size_t intPositions = point == std::string_view::npos ? mask.size() : point;
  const int decimals = point == std::string_view::npos ? 0 : static_cast<int>(mask.size() - point - 1);

  const std::optional<std::string> rounded = RoundedDecimal(std::fabs(value), decimals, intPositions);
  if (!rounded) return std::nullopt;
  const std::string_view text(*rounded);
  const bool negative = value < 0 && text.find_first_not_of("0.") != std::string_view::npos;

  std::string intDigits(text.substr(0, text.find('.')));
  const std::string_view fraction = decimals > 0 ? text.substr(text.find('.') + 1) : std::string_view{};

  // Integer positions: the digits right-aligned, "0" positions filled with leading zeros.
  std::string out(mask.size(), ' ');
  size_t firstDigit = intPositions;
  for (size_t k = 0; k < intPositions; ++k) {
    const size_t pos = intPositions - 1 - k;
    if (k < intDigits.size()) {
      out[pos] = intDigits[intDigits.size() - 1 - k];
      firstDigit = pos;
    } else if (mask[pos] == '0') {
      out[pos] = '0';
      firstDigit = pos;
    }
  }
  if (intDigits.size() > intPositions) return std::nullopt;
  if (negative) {
    if (firstDigit == 0) return std::nullopt;
    out[firstDigit - 1] = '-';
  }
  if (point != std::string_view::npos) {
    out[point] = '.';
    for (size_t k = 0; k < fraction.size(); ++k) out[point + 1 + k] = fraction[k];
  }
  return out;
}

std::string MaskedItem(double value, std::string_view mask) {
  return FormatMask(value, mask).value_or(std::string(mask.size(), '*'));
}

}  // namespace recbook
