#include "number_text.h"

#include <cmath>
#include <cstdio>

namespace radpattern {

std::string FixedText(double v, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, v);
  std::string s = text;
  if (s[0] == '-' && s.find_first_of("123456789") == std::string::npos) s.erase(0, 1);
  return s;
}

std::string TrimmedOneDecimal(double v) {
  std::string s = FixedText(v, 1);
  if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0) s.resize(s.size() - 2);
  return s;
}

}  // namespace radpattern
