#include "angle_box.h"

#include <cstdlib>

#include "number_text.h"

namespace radpattern {
namespace {

struct Shape {
  bool ok = false;
  bool minus = false;
  std::string digits;    // integer digits
  bool point = false;
  std::string decimals;
};

Shape Split(const std::string& t, bool minusAllowed) {
  Shape s;
  size_t i = 0;
  if (minusAllowed && i < t.size() && t[i] == '-') {
    s.minus = true;
    ++i;
  }
  for (; i < t.size(); ++i) {
    const char c = t[i];
    if (c == '.') {
      if (s.point) return s;
      s.point = true;
    } else if (c >= '0' && c <= '9') {
      (s.point ? s.decimals : s.digits) += c;
    } else {
      return s;
    }
  }
  s.ok = true;
  return s;
}

}  // namespace

AngleEdit FilterAngleText(AngleKind kind, const std::string& previous, const std::string& typed) {
  const bool azimuth = kind == AngleKind::Azimuth;
  const size_t intDigits = azimuth ? 3 : 2;
  Shape s = Split(typed, !azimuth);
  if (s.ok && !s.point && s.digits.size() > intDigits) {
    // The point after the last integer digit: "4567" -> "456.7".
    s.decimals = s.digits.substr(intDigits);
    s.digits.resize(intDigits);
    s.point = true;
  }
  if (!s.ok || s.digits.size() > intDigits || s.decimals.size() > 1) {
    const Shape p = Split(previous, !azimuth);
    return {previous, p.ok ? std::atof(previous.c_str()) : 0.0, false};
  }
  AngleEdit e;
  e.text = (s.minus ? "-" : "") + s.digits + (s.point ? "." : "") + s.decimals;
  e.value = std::atof(e.text.c_str());  // "", "-" and "." read as 0
  if (azimuth && e.value >= 360.0) e = {"359.9", 359.9, true};
  if (!azimuth && e.value > 80.0) e = {"80.0", 80.0, true};
  if (!azimuth && e.value < -80.0) e = {"-80.0", -80.0, true};
  return e;
}

std::string ReformatAngle(double value) { return TrimmedOneDecimal(value); }

}  // namespace radpattern
