// The dialog's texts: both languages present for every line, second lines under O3, O6 and O7 only,
// and the running count as the label shows it.
#include <gtest/gtest.h>

#include "correction/correction_texts.h"

namespace recbook {
namespace {

TEST(CorrectionTexts, EveryLineInBothLanguages) {
  const CorrectionDialogTexts& t = CorrectionTexts();
  for (const quorla::BiText& line : t.fixedRepairs) {
    EXPECT_FALSE(line.en.empty());
    EXPECT_FALSE(line.cs.empty());
  }
  for (size_t o = 0; o < kCorrectionOptionCount; ++o) {
    SCOPED_TRACE(o + 1);
    const CorrectionOptionText& text = OptionText(static_cast<CorrectionOption>(o));
    EXPECT_FALSE(text.caption.en.empty());
    EXPECT_FALSE(text.caption.cs.empty());
    EXPECT_NE(text.caption.en, text.caption.cs);
    const bool twoLines = o == 2 || o == 5 || o == 6;  // O3, O6, O7
    EXPECT_EQ(!text.secondLine.en.empty(), twoLines);
    EXPECT_EQ(!text.secondLine.cs.empty(), twoLines);
  }
}

TEST(CorrectionTexts, RunningCountHasALeadingBlank) {
  EXPECT_EQ(RepairCountText(0), " 0");
  EXPECT_EQ(RepairCountText(1234567), " 1234567");
}

}  // namespace
}  // namespace recbook
