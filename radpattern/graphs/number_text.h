#pragma once
// Numbers as the editor's pictures and boxes write them.
#include <string>

namespace radpattern {

// Fixed decimals, never "-0.0".
std::string FixedText(double v, int decimals);

// One decimal with trailing zeros and a trailing point removed: 45.0 -> "45", 12.5 -> "12.5".
std::string TrimmedOneDecimal(double v);

}  // namespace radpattern
