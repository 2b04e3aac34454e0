#pragma once
// The lenient numeric read of record items, co-ordinate fields and planar input: leading blanks,
// tabs and line feeds skipped, then the leading numeric part of the text (optional sign, digits,
// optional "." and digits), 0 when there is none.
#include <string_view>

namespace quorla {

double LenientNumber(std::string_view text);

}  // namespace quorla
