// The input rules of the forms' boxes, typed text by typed text: what each box keeps, where the
// caret goes, and the rebuilding rules of dates, [10Z], [8B2], the contents code and antenna codes.
#include "forms/input_rules.h"

#include <gtest/gtest.h>

#include "forms/form_boxes.h"

namespace recbook {
namespace {

InputRule RuleOf(Item item) { return RecordBoxOf(item).rule; }

TEST(InputRules, WhatEachBoxKeeps) {
  const struct {
    InputRule rule;
    const char* typed;
    const char* kept;
  } kCases[] = {
      {RuleOf(Item::k6A), "1a", "A"},  // a digit then a lower-case letter: the letter, upper case
      {RuleOf(Item::k6A), "fbx", "FB"},
      {RuleOf(Item::k4B), "cz1e", "CZE"},
      {RuleOf(Item::k2C), "25122003", "25-12-2003"},
      {RuleOf(Item::k2C), "2512200399", "25-12-2003"},
      {RuleOf(Item::k2C), "25-1", "25-1"},
      {RuleOf(Item::k2C), "25", "25"},  // no separator until the month begins
      {RuleOf(Item::k1A), "145.5375012", "145.53750"},
      {RuleOf(Item::k1A), "1234567.5", "12345.5"},
      {RuleOf(Item::k1A), "1.2.3", "1.23"},
      {RuleOf(Item::k1A), "-5", "5"},
      {RuleOf(Item::k1Z), "23", "2"},
      {RuleOf(Item::k4D), "123456", "12345"},
      {RuleOf(Item::k9Y), "3 0a", "30"},
      {RuleOf(Item::k8B1), "-12.34", "-12.3"},
      {RuleOf(Item::k8B1), "1-2", "12"},
      {RuleOf(Item::k9A), "3605.55", "360.5"},
      {RuleOf(Item::k9A), "-45", "45"},
      {RuleOf(Item::k9B), "-2.5", "-2.5"},
      {RuleOf(Item::k10Z), "0", "0"},
      {RuleOf(Item::k10Z), "5", "1"},
      {RuleOf(Item::k10Z), "01", "1"},
      {RuleOf(Item::k10Z), "", ""},
      {RuleOf(Item::k8B2), "i", "I"},
      {RuleOf(Item::k8B2), "x", "E"},
      {RuleOf(Item::k4A), "praha, 1 (n)@", "PRAHA 1 (N)"},
      {RuleOf(Item::k7A), "16k0f3e-x1", "16K0F3E-X"},
      {RuleOf(Item::k9XH), "030ea", "030EA00"},
      {RuleOf(Item::k9XH), "030ea1055", "030EA10"},
      {RuleOf(Item::k9XH), "000n", "000ND00"},
      {RuleOf(Item::k9XH), "123n", "000ND00"},  // four characters ending in N
      {RuleOf(Item::k9XH), "123nd", "123"},     // type N only as 000ND00
      {RuleOf(Item::k9XH), "12345", "123"},
      {RuleOf(Item::k9XH), "030vj", "030V"},
      {RuleOf(Item::k9XH), "030vi2", "030VI20"},
      {RuleOf(Item::k9XH), "045de", "045DE00"},
      {RuleOf(Item::k9XH), "045da", "045D"},
      {RuleOf(Item::k9XH), "010la", "010LA00"},
      {kHeaderBoxes[2].rule, "x", ""},  // contents code
      {kHeaderBoxes[2].rule, "n", "N"},
      {kHeaderBoxes[3].rule, "d,1", "D,1"},  // country: upper case only
      {kHeaderBoxes[7].rule, "a.b@c.cz", "A.B@C.CZ"},
      {kHeaderBoxes[6].rule, "a.b@c.cz", "A.BC.CZ"},
      {kHeaderBoxes[0].rule, "123", "12"},
      {InputRule{RuleKind::Time}, "0930", "09:30"},
      {InputRule{RuleKind::Time}, "09305", "09:30"},  // at most 5 characters
      {InputRule{RuleKind::Time}, "9a3", "93"},       // no separator until the minutes begin
      {InputRule{RuleKind::Time}, "1:2:3", "12:3"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.typed);
    const std::string typed = c.typed;
    EXPECT_EQ(ApplyInputRule(c.rule, typed, static_cast<int>(typed.size())).text, c.kept);
  }
}

// The caret stays behind what was typed, and skips the inserted separators.
TEST(InputRules, CaretFollowsTheKeptCharacters) {
  const struct {
    InputRule rule;
    const char* text;
    int caret, expected;
  } kCases[] = {
      {RuleOf(Item::k2C), "251", 3, 4},        // "25-1": behind the 1
      {RuleOf(Item::k2C), "25-1x2-2003", 5, 4},  // a refused letter: the caret stays behind "25-1"
      {RuleOf(Item::k2C), "25-12-20039", 2, 2},
      {RuleOf(Item::k6A), "F1B", 2, 1},
      {RuleOf(Item::k9XH), "0300EA10", 4, 3},  // the extra digit is refused
      {InputRule{RuleKind::Time}, "093", 3, 4},      // "09:3": behind the 3
      {InputRule{RuleKind::Time}, "09:30", 1, 1},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    const RuledText r = ApplyInputRule(c.rule, c.text, c.caret);
    EXPECT_EQ(r.selectionStart, c.expected);
    EXPECT_EQ(r.selectionEnd, c.expected);
  }
}

TEST(InputRules, AnEmptiedAntennaBoxIsOmnidirectionalAndSelected) {
  const RuledText r = ApplyInputRule(RuleOf(Item::k9XV), "", 0);
  EXPECT_EQ(r.text, "000ND00");
  EXPECT_EQ(r.selectionStart, 0);
  EXPECT_EQ(r.selectionEnd, 7);
}

}  // namespace
}  // namespace recbook
