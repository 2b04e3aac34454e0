#pragma once
// The texts of the dialog " Automatic correction of errors in records", both languages, for the
// window that runs the correction pass.
#include <array>
#include <cstdint>
#include <string>

#include "bilingual_texts.h"
#include "correction/record_correction.h"

namespace recbook {

struct CorrectionOptionText {
  quorla::BiText caption;     // the check box
  quorla::BiText secondLine;  // a plain text under the box; empty when the box has none
};

struct CorrectionDialogTexts {
  quorla::BiText title;  // follows the caption prefix
  // The text block of the repairs that are always made, line by line.
  std::array<quorla::BiText, 5> fixedRepairs;
  std::array<CorrectionOptionText, kCorrectionOptionCount> options;  // O1 to O10
  quorla::BiText countLabel;
  quorla::BiText ok, cancel;
};

const CorrectionDialogTexts& CorrectionTexts();

const CorrectionOptionText& OptionText(CorrectionOption o);

// The running count beside the label: the number with a leading blank (" 0" when the pass starts).
std::string RepairCountText(uint64_t repairs);

}  // namespace recbook
