#pragma once
// The list's numeric columns: a number under a mask of "#" integer positions and, when decimals
// > 0, a point and that many "#" decimals. The text is MaskedItem's, written without allocating:
// values MaskedItem fills with "*" (too wide, no room for the sign) get the "*" fill too.
#include <string_view>

namespace recbook {

// value under the mask; intPositions + decimals (+ 1 for the point) characters into out.
void WriteMaskedValue(double value, int intPositions, int decimals, char* out);

// The item text read as LenientNumber reads it, under the mask: the same characters as
// WriteMaskedValue(LenientNumber(item), ...), taken straight from the item's decimal digits.
void WriteMaskedNumber(std::string_view item, int intPositions, int decimals, char* out);

}  // namespace recbook
