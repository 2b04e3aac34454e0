#include "antenna_code.h"

#include "code_fields.h"

namespace radpattern {

int CheckAntennaCode(std::string_view code) {
  const CodeFields f = SplitCodeFields(code);
  if (!f.digits) return 0;
  const std::string_view type = code.substr(3, 2);
  if (type == "ND") return f.x == 0 && f.r == 0 ? 1 : 0;
  if (type == "EA" || type == "DE") return f.x >= 1 && f.x <= 65 ? 1 : 0;
  if (type == "EB") return f.x >= 1 && f.x <= 79 ? 1 : 0;
  if (type == "EC") return f.x >= 1 && f.x <= 96 ? 1 : 0;
  if (type == "LA") return f.x >= 1 && f.x <= 120 ? 1 : 0;
  if (type == "CA" || type == "CB" || type == "CC" || type == "KA") return f.x <= 100 ? 1 : 0;
  if (type[0] == 'V' || type[0] == 'W') return type[1] >= 'A' && type[1] <= 'I' ? 1 : 0;
  return 0;
}

int PatternFamily(std::string_view type) {
  if (type == "EA" || type == "DE") return 2;
  if (type == "EB") return 3;
  if (type == "EC") return 4;
  if (type == "LA") return 5;
  if (type == "CA" || type == "CB" || type == "CC" || type == "KA") return 6;
  if (!type.empty() && type[0] == 'V') return 7;
  if (!type.empty() && type[0] == 'W') return 8;
  return 1;
}

std::optional<std::string> ComposeAntennaCode(std::string_view first, std::string_view type,
                                              std::string_view last) {
  std::string code;
  code.append(first).append(type).append(last);
  if (code.size() != kAntennaCodeSize) return std::nullopt;
  return code;
}

std::string NormaliseAntennaCode(const char (&field)[kAntennaCodeSize]) {
  const std::string_view code(field, kAntennaCodeSize);
  if (field[0] == '\0' || CheckAntennaCode(code) == 0) return std::string(kOmnidirectionalCode);
  return std::string(code);
}

}  // namespace radpattern
