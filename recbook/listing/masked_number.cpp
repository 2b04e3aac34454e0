#include "listing/masked_number.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "lenient_number.h"
#include "records/picture_mask.h"

namespace recbook {
namespace {

constexpr uint64_t kPow10[] = {1,
                               10,
                               100,
                               1000,
                               10000,
                               100000,
                               1000000,
                               10000000,
                               100000000,
                               1000000000,
                               10000000000,
                               100000000000,
                               1000000000000,
                               10000000000000,
                               100000000000000,
                               1000000000000000};

int Width(int intPositions, int decimals) { return intPositions + (decimals > 0 ? decimals + 1 : 0); }

// m (the value times 10^decimals, rounded) under the mask.
void WriteScaled(uint64_t m, bool negative, int intPositions, int decimals, char* out) {
  const int width = Width(intPositions, decimals);
  std::memset(out, ' ', static_cast<size_t>(width));
  int pos = width - 1;
  for (int d = 0; d < decimals; ++d, --pos, m /= 10) out[pos] = static_cast<char>('0' + m % 10);
  if (decimals > 0) out[pos--] = '.';
  // The integer part has at least the digit 0.
  int used = 0;
  do {
    if (used == intPositions) {
      std::memset(out, '*', static_cast<size_t>(width));
      return;
    }
    out[pos--] = static_cast<char>('0' + m % 10);
    m /= 10;
    ++used;
  } while (m > 0);
  if (negative) {
    if (pos < 0) {
      std::memset(out, '*', static_cast<size_t>(width));
      return;
    }
    out[pos] = '-';
  }
}

struct Scaled {
  uint64_t m;
  bool negative;
};

// The item's value times 10^decimals rounded half away from zero, from its decimal digits: the
// digits MaskedItem shows of the lenient value, which it rounds from the 15 significant digits
// that a double keeps of a text. Nothing for texts of more than 15 digits or too big a value.
std::optional<Scaled> ScaledFromDigits(std::string_view item, int decimals) {
  const quorla::LenientDigits d = quorla::ReadLenientDigits(item);
  // At most 15 digits, and a scaled value under 10^14.
  if (d.digits > 15 || d.digits - d.decimals + decimals > 14) return std::nullopt;
  uint64_t m;
  if (d.decimals <= decimals) {
    m = d.mantissa * kPow10[decimals - d.decimals];
  } else {
    const uint64_t unit = kPow10[d.decimals - decimals];
    m = d.mantissa / unit + (d.mantissa % unit * 2 >= unit ? 1 : 0);
  }
  return Scaled{m, d.negative && m != 0};
}

}  // namespace

void WriteMaskedValue(double value, int intPositions, int decimals, char* out) {
  std::string mask(static_cast<size_t>(intPositions), '#');
  if (decimals > 0) mask += '.' + std::string(static_cast<size_t>(decimals), '#');
  std::memcpy(out, MaskedItem(value, mask).data(), mask.size());
}

void WriteMaskedNumber(std::string_view item, int intPositions, int decimals, char* out) {
  if (const auto s = ScaledFromDigits(item, decimals))
    WriteScaled(s->m, s->negative, intPositions, decimals, out);
  else
    WriteMaskedValue(quorla::LenientNumber(item), intPositions, decimals, out);
}

}  // namespace recbook
