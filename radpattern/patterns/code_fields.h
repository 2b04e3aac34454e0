#pragma once
// The numeric fields of an antenna code, read once for validation and for the pattern formulas.
#include <string_view>

namespace radpattern {

struct CodeFields {
  bool digits = false;  // positions 1-3 and 6-7 are ASCII digits and the code has 7 characters
  int x = 0;            // positions 1-3
  int r = 0;            // positions 6-7
};

inline bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

inline CodeFields SplitCodeFields(std::string_view code) {
  CodeFields f;
  if (code.size() != 7) return f;
  for (const size_t i : {0u, 1u, 2u, 5u, 6u}) {
    if (!IsAsciiDigit(code[i])) return f;
  }
  f.digits = true;
  f.x = (code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0');
  f.r = (code[5] - '0') * 10 + (code[6] - '0');
  return f;
}

}  // namespace radpattern
