#pragma once
// The lenient numeric read used for co-ordinate fields and planar input: the leading numeric part of
// a text (optional sign, digits, optional "." and digits), 0 when there is none.
#include <string_view>

namespace quorla {

double LenientNumber(std::string_view text);

}  // namespace quorla
