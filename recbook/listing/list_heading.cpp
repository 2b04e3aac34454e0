#include "listing/list_heading.h"

#include <array>
#include <vector>

namespace recbook {
namespace {

// 0-based characters of the line where the heading's words begin: the tag column, the base part's
// country, name, class, category, co-ordinates and Tx frequency, then the first segment's columns.
constexpr std::array<size_t, 7> kBaseColumns{0, 3, 7, 23, 26, 29, 45};
constexpr size_t kFirstSegment = kBaseOffset + kBaseSize;

std::vector<size_t> HeadingColumns(ListView view) {
  std::vector<size_t> columns(kBaseColumns.begin(), kBaseColumns.end());
  // The first segment: A (Rx, power, height, antenna, status), B (radius, nature, use, date,
  // status) or C (status, reference).
  std::vector<size_t> segment;
  switch (view) {
    case ListView::A: segment = {0, 12, 16, 22, 27}; break;
    case ListView::B: segment = {3, 7}; break;
    case ListView::C: segment = {0, 7, 11, 15, 27}; break;
  }
  for (const size_t c : segment) columns.push_back(kFirstSegment + c);
  return columns;
}

size_t CharacterCount(std::string_view utf8) {
  size_t n = 0;
  for (const char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

// The words of a heading text: runs of characters separated by two or more blanks.
std::vector<std::string_view> HeadingWords(std::string_view text) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    if (i == text.size()) break;
    size_t end = i;
    while (end < text.size() && !(text[end] == ' ' && (end + 1 == text.size() || text[end + 1] == ' '))) ++end;
    words.push_back(text.substr(i, end - i));
    i = end;
  }
  return words;
}

}  // namespace

std::string PlacedHeading(std::string_view heading, ListView view) {
  const std::vector<std::string_view> words = HeadingWords(heading);
  const std::vector<size_t> columns = HeadingColumns(view);
  // A heading without the tag sign has one word fewer than there are columns.
  const size_t skip = words.size() < columns.size() ? columns.size() - words.size() : 0;
  std::string placed;
  size_t at = 0;  // characters placed so far
  for (size_t w = 0; w < words.size(); ++w) {
    const size_t c = w + skip;
    const size_t column = c < columns.size() ? columns[c] : 0;
    const size_t length = CharacterCount(words[w]);
    // A word that would run into the next column moves left, as long as it still begins within
    // its own word's reach of its column; one blank always stays after the word before.
    size_t start = column;
    if (c + 1 < columns.size() && column + length + 1 > columns[c + 1])
      start = std::max(column + 1 > length ? column + 1 - length : 0,
                       columns[c + 1] > length + 1 ? columns[c + 1] - length - 1 : 0);
    // Only the tag sign stands over the tag column (the viewer's lines have none).
    if (c > 0) start = std::max(start, kBaseOffset);
    start = std::max(start, at == 0 ? 0 : at + 1);
    placed.append(start - at, ' ');
    placed += words[w];
    at = start + CharacterCount(words[w]);
  }
  if (at < kListLineSize) placed.append(kListLineSize - at, ' ');
  return placed;
}

std::string ListHeading(ListView view, quorla::Language language) {
  return PlacedHeading(ColumnHeading(view, language), view);
}

std::string ViewerHeading(ListView view, quorla::Language language) {
  constexpr std::string_view kTagSign = "\u00A4";
  std::string text = language == quorla::Language::English ? ViewerColumnHeading(view) : ColumnHeading(view, language);
  if (std::string_view(text).starts_with(kTagSign)) text.erase(0, kTagSign.size());
  return ViewerLine(PlacedHeading(text, view));  // the tag column is blank: three plain bytes
}

}  // namespace recbook
