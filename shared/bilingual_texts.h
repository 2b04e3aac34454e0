#pragma once
// Every user-visible text has an English and a Czech form; a window chooses once, from the
// language byte of its parameter block (0 English, any other value Czech).
#include <cstdint>
#include <string_view>

namespace quorla {

enum class Language { English, Czech };

constexpr Language LanguageFromByte(uint8_t byte) { return byte == 0 ? Language::English : Language::Czech; }

struct BiText {
  std::string_view en;
  std::string_view cs;
  constexpr std::string_view operator()(Language l) const { return l == Language::English ? en : cs; }
};

}  // namespace quorla
