#pragma once
// The input rules of the record and header forms, applied to a box's whole text after every change
// the user makes: which characters a box keeps, how long it may grow, and the rebuilding rules of
// the dates, [10Z], [8B2] and the antenna codes. Texts are single-byte (Latin-1), as records are.
#include <cstdint>
#include <string>
#include <string_view>

namespace recbook {

enum class RuleKind : uint8_t {
  Number,            // digits with an optional leading minus and one decimal point
  Date,              // up to 8 digits shown as "DD-MM-YYYY"
  Time,              // up to 4 digits shown as "HH:MM"
  Letters,           // upper case, letters A to Z only
  Upper,             // upper case, any character
  Text,              // upper case, blank = ( ) * + - . / digits A to Z
  EmailText,         // the text rule and the at sign
  ChannelOccupation, // "0" or "1"; anything else becomes "1"
  ReferenceAntenna,  // "E" or "I"; anything else becomes "E"
  AntennaCode,       // the antenna code assistant
  ContentsCode,      // N, O, M, D or A; anything else clears the box
  Geo,               // the co-ordinate entry box (entry/geo_entry_box.h)
  Fixed,             // not typed into (the header's record count)
};

struct InputRule {
  RuleKind kind;
  uint8_t length = 0;      // the most characters kept (Number: digits before the point)
  uint8_t decimals = 0;    // Number: digits after the point (0: no point)
  bool minus = false;      // Number: a leading minus is kept
};

// A box's text after a rule, with the selection the box shows (a caret when start == end).
struct RuledText {
  std::string text;
  int selectionStart = 0, selectionEnd = 0;
};

// text: the box's text after the user's change; caret: the caret after it. Geo boxes are not
// handled here (their rules need the kind and the user's properties); they come back unchanged.
RuledText ApplyInputRule(const InputRule& rule, std::string_view text, int caret);

}  // namespace recbook
