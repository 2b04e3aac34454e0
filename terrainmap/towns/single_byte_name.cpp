#include "towns/single_byte_name.h"

namespace terrainmap {
namespace {

// U+0100 to U+017F without their accents, in code order ("ĀāĂăĄą" is "AaAaAa", ...).
constexpr std::string_view kLatinExtendedA =
    "AaAaAa" "CcCcCcCc" "DdDd" "EeEeEeEeEe" "GgGgGgGg" "HhHh" "IiIiIiIiIi" "Ii" "Jj" "Kkk"
    "LlLlLlLlLl" "NnNnNnn" "Nn" "OoOoOo" "Oo" "RrRrRr" "SsSsSsSs" "TtTtTt" "UuUuUuUuUuUu" "Ww"
    "YyY" "ZzZzZz" "s";
static_assert(kLatinExtendedA.size() == 0x80);

// The code point starting at s[i], advancing i; -1 for a malformed sequence (one byte skipped).
long NextCodePoint(std::string_view s, size_t& i) {
  const auto lead = static_cast<unsigned char>(s[i++]);
  if (lead < 0x80) return lead;
  const int extra = lead >= 0xF0 && lead < 0xF8 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
  if (extra < 0 || i + extra > s.size()) return -1;
  long cp = lead & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    const auto b = static_cast<unsigned char>(s[i]);
    if ((b & 0xC0) != 0x80) return -1;
    cp = (cp << 6) | (b & 0x3F);
    ++i;
  }
  return cp;
}

}  // namespace

std::string SingleByteTownName(std::string_view utf8) {
  std::string name;
  for (size_t i = 0; i < utf8.size() && name.size() < kTownNameBytes;) {
    const long cp = NextCodePoint(utf8, i);
    if ((cp >= 0x20 && cp < 0x7F) || (cp >= 0xA0 && cp <= 0xFF)) name += static_cast<char>(cp);
    else if (cp >= 0x100 && cp < 0x180) name += kLatinExtendedA[static_cast<size_t>(cp - 0x100)];
  }
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

}  // namespace terrainmap
