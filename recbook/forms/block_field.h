#pragma once
// Texts into and out of the fixed fields of the parameter blocks the form hands to the other
// libraries (zero-terminated, cut to the field's size - 1), and their language byte.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "bilingual_texts.h"

namespace recbook {

constexpr uint8_t LanguageByte(quorla::Language language) { return language == quorla::Language::English ? 0 : 1; }

template <size_t N>
void WriteBlockField(char (&field)[N], std::string_view text) {
  const size_t n = std::min(text.size(), N - 1);
  std::memset(field, 0, N);
  std::memcpy(field, text.data(), n);
}

// Up to the terminator, never past the field.
template <size_t N>
std::string BlockFieldText(const char (&field)[N]) {
  const void* end = std::memchr(field, 0, N);
  return std::string(field, end ? static_cast<const char*>(end) - field : N);
}

}  // namespace recbook
