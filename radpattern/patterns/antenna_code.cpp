#include "antenna_code.h"

#include "antenna_types.h"
#include "code_fields.h"

namespace radpattern {

int CheckAntennaCode(std::string_view code) {
  const CodeFields f = SplitCodeFields(code);
  if (!f.digits) return 0;
  const std::string_view type = code.substr(3, 2);
  if (const AntennaTypeRange* row = FindAntennaType(type)) {
    if (row->family == kOmnidirectionalFamily) return f.x == 0 && f.r == 0 ? 1 : 0;
    return f.x >= row->firstFrom && f.x <= row->firstTo ? 1 : 0;
  }
  return IsLobeType(type) ? 1 : 0;
}

int PatternFamily(std::string_view type) {
  if (const AntennaTypeRange* row = FindAntennaType(type)) return row->family;
  if (const int lobe = LobeFamily(type)) return lobe;
  return kOmnidirectionalFamily;
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
