#pragma once
// The rules that keep a co-ordinate entry box in its display form while the user types:
//   longitude "DDD H MM SS" ("015 E 00 00"), latitude "DD H MM SS" ("49 N 00 00"),
//   and with tenths of seconds "SS.S".
// After every change the box's text is normalised and the caret placed by these rules; the
// widget only applies the result.
#include <string>
#include <string_view>

#include "entry/geo_box_properties.h"
#include "geo_text.h"

namespace terrainmap {

struct BoxEdit {
  std::string text;
  int selectionStart = 0, selectionEnd = 0;  // caret when equal
};

// text: the box's text after the user's change; caret: the caret position after it (just past a
// typed character). Digits are kept in order and missing ones read as 0; the hemisphere is a
// letter of the kind typed just now, else the first one after the degree digits, else E / N.
// A minutes or seconds tens digit of 6 or more is refused (replaced by 0 when just typed, else
// dropped) and the caret placed on it; degrees over the limit become zeros with the whole text
// selected; otherwise the caret skips the fixed characters (lonSkip / latSkip).
BoxEdit NormaliseGeoBox(quorla::GeoKind kind, bool tenths, std::string_view text, int caret,
                        const GeoBoxProperties& properties);

// The compact text of a display form, and the display form of a compact text: blanks removed or
// inserted ("015E3000" <-> "015 E 30 00").
std::string DisplayFromCompact(quorla::GeoKind kind, std::string_view compact);

}  // namespace terrainmap
