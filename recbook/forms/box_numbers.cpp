#include "forms/box_numbers.h"

#include <cmath>

#include "records/picture_mask.h"

namespace recbook {
namespace {

std::string TrimmedMask(double value, const char* mask) {
  const std::optional<std::string> text = FormatMask(value, mask);
  if (!text) return {};
  return text->substr(text->find_first_not_of(' '));
}

bool RoundsToZero(double value) { return std::fabs(value) < 0.05; }

}  // namespace

std::string OneDecimalBoxText(double value) {
  return RoundsToZero(value) ? "0" : TrimmedMask(value, "######.#");
}

std::string ElevationBoxText(double value) {
  if (RoundsToZero(value) || value > 0 || value <= -99.95) return OneDecimalBoxText(value);
  return "-" + TrimmedMask(-value, "00.0");
}

}  // namespace recbook
