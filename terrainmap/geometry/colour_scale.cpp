#include "geometry/colour_scale.h"

#include <algorithm>
#include <cmath>

namespace terrainmap {
namespace {

int Component(double v) {
  if (!(v > 0)) return 0;  // NaN too
  return v >= 255 ? 255 : static_cast<int>(v);
}

}  // namespace

Rgb HeightColour(float h, float minimum, float maximum, int sizeIndex) {
  if (h == -9999.0f) return {255, 255, 255};
  if (h == 0) return {0, 150, 255};
  if (h < 0) {
    // minimum is the lowest height, so h / minimum lies in 0..1; a minimum that is not below 0
    // (inconsistent arguments) gives the deepest blue instead of a division by zero.
    const double depth = minimum < 0 ? static_cast<double>(h) / minimum : 1.0;
    return {0, Component(150.0 * (1 - depth)), 255};
  }
  if (h == maximum) return {200, 200, 200};
  const double lo = std::max(static_cast<double>(minimum), 0.0);
  const double range = maximum - lo;
  if (range <= 0) return {240, 240, 100};
  const double f = std::clamp((h - lo) / range, 0.0, 1.0);
  const double k = std::max(0, sizeIndex - 7) + 3;
  const double s = std::log10(f * k + 1) / std::log10(k + 1);
  const double t = std::round(16 * s) / 1.6;
  if (t < 4) return {Component(63 * t), Component(100 + 38 * t), Component(24 * t)};
  const double u = 0.9 * (t - 3.4);
  return {Component(252 - 25 * u), Component(252 - 38 * u), Component(96 - 16 * u)};
}

}  // namespace terrainmap
