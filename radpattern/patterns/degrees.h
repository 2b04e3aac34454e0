#pragma once
// Degrees to radians in single precision, with pi computed once as 4 * atan(1).
#include <cmath>

namespace radpattern {

inline const float kPi = 4.0f * std::atan(1.0f);
inline const float kRadiansPerDegree = kPi / 180.0f;

}  // namespace radpattern
