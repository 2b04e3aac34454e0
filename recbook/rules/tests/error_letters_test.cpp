#include "error_letters.h"

#include <gtest/gtest.h>

#include <set>

namespace recbook {
namespace {

TEST(ErrorLetters, LetterOfEveryMark) {
  constexpr struct { std::string_view mark; char letter; } kCases[] = {
      {"", ' '},         {"11,12", 'F'},    {"11,012", 'f'},   {"34,012", 'f'},   {"12,01", '2'},
      {"16,01", 'o'},    {"22,05", 'r'},    {"24,09", 't'},    {"24,07", 't'},    {"24,04", 't'},
      {"26,01", 'E'},    {"27,05", 'a'},    {"28,05", 'a'},    {"32,08", 'a'},    {"33,08", 'a'},
      {"29,02", 'p'},    {"31,04", 'h'},    {"36,01", 's'},    {"37,08", 'd'},    {"13,02", kTagSign},
      {"14,02", kTagSign}, {"15,02", kTagSign}, {"18,01", kTagSign}, {"18,20", kTagSign},
      {"19,03", kTagSign}, {"20,12", kTagSign}, {"21,12", kTagSign}, {"25,06", kTagSign},
  };
  for (const auto& c : kCases) EXPECT_EQ(ErrorLetter(c.mark), c.letter) << c.mark;
}

TEST(ErrorLetters, HelpListHasOneLinePerLetter) {
  std::set<char> seen;
  for (const ErrorLetterHelp& h : ErrorLetterLines()) {
    EXPECT_TRUE(seen.insert(h.letter).second) << h.letter;
    if (h.letter != kTagSign) {
      EXPECT_EQ(h.line.en[0], h.letter);
      EXPECT_EQ(h.line.cs[0], h.letter);
    }
  }
  EXPECT_EQ(seen.size(), 13u);
  EXPECT_EQ(ErrorLetterLines().back().line.en, "   any othere error");
}

}  // namespace
}  // namespace recbook
