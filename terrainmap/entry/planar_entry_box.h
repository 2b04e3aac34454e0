#pragma once
// The entry box while it holds a planar Gauss-Krueger co-ordinate (Y or X in metres): digits
// only, seven of them ("0000000" when empty), shown as four digits, a blank and the other three:
// "3500 000". Seven digits hold every value up to the planar bound of 9 999 000 m.
#include <string_view>

#include "entry/geo_entry_box.h"

namespace terrainmap {

inline constexpr int kPlanarDigits = 7;

// text: the box's text after the user's change; caret: the caret after it. Everything but digits
// is dropped, missing digits read as 0 and digits past the seventh are cut off; the caret stays
// after the same number of digits and steps over the blank.
BoxEdit NormalisePlanarBox(std::string_view text, int caret);

}  // namespace terrainmap
