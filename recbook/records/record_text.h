#pragma once
// The text operations on record items that every part of the editor uses.
#include <optional>
#include <string>
#include <string_view>

#include "geo_text.h"
#include "host.h"
#include "lenient_number.h"

namespace recbook {

// text padded with blanks to width, or its first width characters.
std::string FixWidth(std::string_view text, size_t width);

// True when every character is a blank; an empty text counts as blank.
bool IsBlankItem(std::string_view text);

// Numeric items are read leniently; blanks are removed from entered texts (shared with the map).
using quorla::LenientNumber;
using quorla::WithoutBlanks;

// [1A] / [1Y]: the frequency in MHz ("K" kHz, "G" GHz, any other letter MHz), nullopt when
// characters 1 to 11 are blank.
std::optional<double> FrequencyMHz(std::string_view item12);
// The unit letter of [1A] / [1Y] as FrequencyMHz takes it: 'K', 'G', or 'M' for any other.
char FrequencyUnit(std::string_view item12);
// From the user's text (blanks removed): 11 blanks + "M" when empty, else "#####.#####" + "M".
std::string FrequencyItem(std::string_view text);

// Date items DDMMYYYY. "DD-MM-YYYY" (blank item: empty text); back by removing every "-".
std::string DateToDisplay(std::string_view item);
std::string DateFromDisplay(std::string_view text);
// YYYYMMDD as an integer; a blank date gives 0.
long DateSortKey(std::string_view item);
// A date as the 8-character item.
std::string DateItem(const quorla::LocalTime& t);

}  // namespace recbook
