#include "record_text.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "picture_mask.h"

namespace recbook {

std::string FixWidth(std::string_view text, size_t width) {
  std::string out(text.substr(0, width));
  out.resize(width, ' ');
  return out;
}

bool IsBlankItem(std::string_view text) {
  // Eight characters at a time: the list tests several items of every record.
  constexpr uint64_t kBlanks = 0x2020202020202020ull;
  size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    if (word != kBlanks) return false;
  }
  for (; i < text.size(); ++i)
    if (text[i] != ' ') return false;
  return true;
}

std::optional<double> FrequencyMHz(std::string_view item12) {
  const std::string_view number = item12.substr(0, 11);
  if (IsBlankItem(number)) return std::nullopt;
  const double v = LenientNumber(number);
  const char unit = FrequencyUnit(item12);
  if (unit == 'K') return v / 1000.0;
  if (unit == 'G') return v * 1000.0;
  return v;
}

char FrequencyUnit(std::string_view item12) {
  const char unit = item12.size() > 11 ? item12[11] : 'M';
  if (unit == 'K' || unit == 'k') return 'K';
  if (unit == 'G' || unit == 'g') return 'G';
  return 'M';
}

std::string FrequencyItem(std::string_view text) {
  const std::string compact = WithoutBlanks(text);
  if (compact.empty()) return std::string(11, ' ') + "M";
  return MaskedItem(LenientNumber(compact), "#####.#####") + "M";
}

std::string DateToDisplay(std::string_view item) {
  if (IsBlankItem(item)) return {};
  const std::string d = FixWidth(item, 8);
  return d.substr(0, 2) + "-" + d.substr(2, 2) + "-" + d.substr(4, 4);
}

std::string DateFromDisplay(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != '-') out += c;
  return FixWidth(out, 8);
}

long DateSortKey(std::string_view item) {
  if (IsBlankItem(item)) return 0;
  const std::string d = FixWidth(item, 8);
  return static_cast<long>(LenientNumber(d.substr(4, 4) + d.substr(2, 2) + d.substr(0, 2)));
}

std::string DateItem(const quorla::LocalTime& t) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d%02d%04d", t.day % 100, t.month % 100, t.year % 10000);
  return buf;
}

}  // namespace recbook
