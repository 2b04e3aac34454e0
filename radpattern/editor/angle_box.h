#pragma once
// The typing rules of the editor's angle boxes: digits and one decimal point, at most one
// decimal; an azimuth box takes three integer digits (0 to 359.9), an elevation box an optional
// "-" and two integer digits (-80 to 80). The point is put in by itself when the integer digits
// are full; values out of range are clamped with a beep.
#include <string>

namespace radpattern {

enum class AngleKind { Azimuth, Elevation };

struct AngleEdit {
  std::string text;     // what the box shows after the edit
  double value = 0.0;   // the angle it stands for (0 for an empty text or ".")
  bool beep = false;    // the value was clamped
};

// The box's text after the user changed previous into typed.
AngleEdit FilterAngleText(AngleKind kind, const std::string& previous, const std::string& typed);

// The text when the box loses the focus: one decimal, trailing zeros and point removed.
std::string ReformatAngle(double value);

}  // namespace radpattern
