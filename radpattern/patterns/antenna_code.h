#pragma once
// The seven-character antenna pattern code: three digits, two type letters, two digits
// ("030EA00", "320VE00", "000ND00"). Grammar, validation, pattern families, composition from
// the editor's three fields and the normalisation applied when the editor opens.
#include <optional>
#include <string>
#include <string_view>

namespace radpattern {

inline constexpr std::string_view kOmnidirectionalCode = "000ND00";
inline constexpr size_t kAntennaCodeSize = 7;

// 1 when the code is valid, else 0. A text that is not exactly 7 characters long is invalid.
int CheckAntennaCode(std::string_view code);

// Classifies the two type letters (positions 4-5) into families 1..8. Two-letter types are
// matched before the first-letter families V (7) and W (8); anything unknown is family 1.
int PatternFamily(std::string_view type);

// The code made of the editor's first field (3), type (2) and last field (2); nothing when the
// parts do not make exactly seven characters.
std::optional<std::string> ComposeAntennaCode(std::string_view first, std::string_view type,
                                              std::string_view last);

// A 7-byte code field as the editor takes it over: an empty field (first byte NUL) or an invalid
// code becomes "000ND00".
std::string NormaliseAntennaCode(const char (&field)[kAntennaCodeSize]);

}  // namespace radpattern
