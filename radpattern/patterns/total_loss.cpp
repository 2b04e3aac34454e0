#include "total_loss.h"

#include <algorithm>
#include <cmath>

#include "degrees.h"
#include "pattern_value.h"

namespace radpattern {
namespace {

// Into [-180, 180] for inputs within (-540, 540]: the wrap is applied twice.
float Wrap(float a) {
  for (int pass = 0; pass < 2; ++pass) {
    if (a > 180.0f) a -= 360.0f;
    if (a < -180.0f) a += 360.0f;
  }
  return a;
}

bool TwoLobeType(std::string_view code) {
  return code.size() > 3 && (code[3] == 'V' || code[3] == 'W');
}

}  // namespace

float NewTotalLoss(std::string_view hcode, std::string_view vcode, float az, float el) {
  az = Wrap(az);
  el = Wrap(el);
  const float deg = kRadiansPerDegree;
  const float c = std::cos(el * deg) * std::cos(az * deg);
  // The angle between the direction and the main beam, arccos c, as 90 - atan(c / sqrt(1 - c^2));
  // on the beam axis (and straight behind it) the quotient is not formed.
  const float sine2 = 1.0f - c * c;
  const float theta = sine2 > 0.0f ? 90.0f - std::atan(c / std::sqrt(sine2)) / deg : (c > 0.0f ? 0.0f : 180.0f);
  // The two-lobe types are not symmetric: the side of the direction goes with the sign.
  const float thetaH = TwoLobeType(hcode) && az < 0.0f ? -theta : theta;
  const float thetaV = TwoLobeType(vcode) && el < 0.0f ? -theta : theta;
  const float ah = PatternValue(hcode, thetaH, kPatternDb);
  const float av = PatternValue(vcode, thetaV, kPatternDb);
  const float span = std::fabs(el) + std::fabs(az);
  // On the axis both values are the on-axis value, which single precision does not always make
  // exactly equal: take the smaller rather than divide 0 by 0.
  if (av == ah || span == 0.0f) return std::min(ah, av);
  if (av < ah) return av + std::fabs(az) * (ah - av) / span;
  return ah + std::fabs(el) * (av - ah) / span;
}

float OldTotalLoss(std::string_view hcode, std::string_view vcode, float az, float el) {
  const float ah = PatternValue(hcode, az, kPatternDb);
  const float av = PatternValue(vcode, el, kPatternDb);
  return std::sqrt(ah * ah + av * av);
}

}  // namespace radpattern
