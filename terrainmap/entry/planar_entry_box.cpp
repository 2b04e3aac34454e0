#include "entry/planar_entry_box.h"

#include <algorithm>
#include <string>

namespace terrainmap {

BoxEdit NormalisePlanarBox(std::string_view text, int caret) {
  caret = std::clamp(caret, 0, static_cast<int>(text.size()));
  std::string digits;
  int before = 0;
  for (int i = 0; i < static_cast<int>(text.size()); ++i) {
    if (text[i] < '0' || text[i] > '9') continue;
    digits += text[i];
    if (i < caret) ++before;
  }
  digits.resize(kPlanarDigits, '0');
  before = std::min(before, kPlanarDigits);
  BoxEdit edit;
  edit.text = digits.substr(0, 4) + " " + digits.substr(4);
  const int position = before < 4 ? before : before + 1;  // after the fourth digit: past the blank
  edit.selectionStart = edit.selectionEnd = position;
  return edit;
}

}  // namespace terrainmap
