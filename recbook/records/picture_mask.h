#pragma once
// Numbers written under a picture mask of the item's width: "#" is a digit or, where the number
// has no digit there, a blank; "0" is always a digit; "." is the decimal point. Numbers are
// right-aligned, the fraction has as many digits as the mask has behind the point (the value's 15
// significant digits rounded half away from zero, so that 0.00015 shows as 0.0002 although the
// double lies just below), a "-" stands right before the first digit. A value below 1 shows "0" before the
// point, and zero under a mask of "#" only is the digit 0 in the last position: blanks would read
// as "not filled in".
#include <optional>
#include <string>
#include <string_view>

namespace recbook {

// The masked text, exactly mask.size() characters; nullopt when the number does not fit.
std::optional<std::string> FormatMask(double value, std::string_view mask);

// What records hold for a masked item: the masked text, or the item filled with "*" when the
// number does not fit, so that an impossible value never passes for another number.
std::string MaskedItem(double value, std::string_view mask);

}  // namespace recbook
