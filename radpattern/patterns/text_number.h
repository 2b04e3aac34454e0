#pragma once
// Numbers in the text of pattern files, read without regard to the locale.
#include <optional>
#include <string_view>

namespace radpattern {

// The number at the start of text after blanks and tabs, as C's strtod reads a decimal number
// (sign, digits, point, exponent); 0 when there is none.
double LeadingNumber(std::string_view text);

// The whole text as one finite decimal number, or nothing.
std::optional<double> WholeNumber(std::string_view text);

}  // namespace radpattern
