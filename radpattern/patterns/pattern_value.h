#pragma once
// The relative field strength of an antenna diagram off its main direction, from its code.
// Single precision throughout, as the agreement's calculation programs compute it.
#include <string_view>

namespace radpattern {

inline constexpr int kPatternDb = 2;     // mode: attenuation -20*log10(E) in dB
inline constexpr int kPatternRatio = 1;  // mode (any value but 2): the ratio E/Emax

// code: 7 characters; angle: degrees off the main direction (horizontal: azimuth - AziMax;
// vertical: EleMax - elevation, so positive angles lie below the beam). Returns E in (0, 1]
// (at least 0.01) or its attenuation in dB, and -1 in either mode when the code's numeric fields
// are not digits, its first field is out of range for the type, or the type is unknown.
// "000ND00" gives 1 (0 dB) at every angle. Allocation-free.
float PatternValue(std::string_view code, float angle, int mode);

}  // namespace radpattern
