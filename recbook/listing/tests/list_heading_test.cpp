// The heading placed over the columns of each view's line, in both languages and in the viewer.
#include "listing/list_heading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace recbook {
namespace {

// The heading as one character per line character (Latin-1 and Latin-2 letters decoded).
std::u32string Characters(const std::string& utf8) {
  std::u32string out;
  for (size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    const size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : 3;
    char32_t v = n == 1 ? c : n == 2 ? (c & 0x1F) : (c & 0x0F);
    for (size_t k = 1; k < n; ++k) v = (v << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    out.push_back(v);
    i += n;
  }
  return out;
}

// Where each word begins: the character after two blanks or a line start.
size_t StartOf(const std::u32string& h, const std::u32string& word) { return h.find(word); }

TEST(ListHeading, WordsStartOverTheirColumns) {
  // Where the line leaves room, a word begins at its column's first character (0-based); a word
  // that would run into the next column moves left but still reaches over its own.
  const struct {
    ListView view;
    quorla::Language language;
    std::u32string word;
    size_t start;
  } kCases[] = {
      {ListView::A, quorla::Language::English, U"\u00A4", 0},
      {ListView::A, quorla::Language::English, U"Cnt", 3},
      {ListView::A, quorla::Language::English, U"Name of station", 7},
      {ListView::A, quorla::Language::English, U"class", 23},
      {ListView::C, quorla::Language::Czech, U"Stát", 3},           // never over the tag column
      {ListView::C, quorla::Language::Czech, U"Jméno stanice", 8},
      {ListView::C, quorla::Language::Czech, U"třída", 22},         // class 23 and 24
  };
  for (const auto& c : kCases) {
    const std::u32string h = Characters(ListHeading(c.view, c.language));
    EXPECT_EQ(StartOf(h, c.word), c.start) << static_cast<int>(c.view);
  }
}

// The heading is as long as the line in every view and both languages; the viewer's heading has
// a single blank for the tag column (in Czech the editor's words over the same columns).
TEST(ListHeading, WordsKeepTheirOrderAndTheLineLength) {
  for (const ListView view : {ListView::A, ListView::B, ListView::C}) {
    for (const auto language : {quorla::Language::English, quorla::Language::Czech}) {
      SCOPED_TRACE(std::to_string(static_cast<int>(view)) + (language == quorla::Language::English ? " en" : " cs"));
      const std::u32string h = Characters(ListHeading(view, language));
      EXPECT_EQ(h.size(), kListLineSize);
      const std::u32string v = Characters(ViewerHeading(view, language));
      EXPECT_EQ(v.size(), kListLineSize - 2);
      EXPECT_EQ(v[0], U' ');
      // Every word of the text is there whole (none reaches into the tag column the viewer drops).
      for (const char32_t* word : {U"frTx [MHz]", U"status"}) EXPECT_NE(v.find(word), std::u32string::npos);
      EXPECT_EQ(v.substr(1, 3), language == quorla::Language::English ? U"Cnt" : U"Stá");
      if (language == quorla::Language::Czech) EXPECT_EQ(v.substr(1), h.substr(3));
    }
  }
}

TEST(ListHeading, SegmentWordsFollowTheView) {
  // The part that changes with the view is there in full.
  const struct {
    ListView view;
    std::u32string last;
  } kCases[] = {{ListView::A, U"Ant. status"}, {ListView::B, U"co-ordination Reference"}, {ListView::C, U"date [y-m-d] status"}};
  for (const auto& c : kCases) {
    const std::u32string h = Characters(ListHeading(c.view, quorla::Language::English));
    EXPECT_NE(h.find(c.last), std::u32string::npos) << static_cast<int>(c.view);
    EXPECT_GT(h.find(c.last), h.find(U"frTx [MHz]"));
  }
}

}  // namespace
}  // namespace recbook
