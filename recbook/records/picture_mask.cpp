#include "picture_mask.h"

#include <cmath>
#include <cstdio>

namespace recbook {

std::optional<std::string> FormatMask(double value, std::string_view mask) {
  if (!std::isfinite(value)) return std::nullopt;
  const size_t point = mask.find('.');
  const size_t intPositions = point == std::string_view::npos ? mask.size() : point;
  const int decimals = point == std::string_view::npos ? 0 : static_cast<int>(mask.size() - point - 1);

  // Round half away from zero at the mask's decimals, then print the digits without sign.
  const double scale = std::pow(10.0, decimals);
  const double rounded = std::round(std::fabs(value) * scale) / scale;
  char digits[64];
  const int n = std::snprintf(digits, sizeof digits, "%.*f", decimals, rounded);
  if (n <= 0 || n >= static_cast<int>(sizeof digits)) return std::nullopt;
  const std::string_view text(digits, static_cast<size_t>(n));
  const bool negative = value < 0 && rounded != 0.0;

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
