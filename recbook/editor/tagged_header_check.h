#pragma once
// The texts of the header dialog of "Save  taged records  As file"; its checks when OK is pressed
// are the header form's (forms/header_check.h).
#include <string>

#include "bilingual_texts.h"
#include "forms/header_check.h"

namespace recbook {

// The dialog's title after the caption prefix, for the chosen file's bare name.
std::string TaggedHeaderTitle(quorla::Language language, const std::string& bareName);
// The note beside the writing date: "  ...  today date:  " + DD-MM-YYYY.
std::string TodayNote(quorla::Language language, const std::string& todayDisplay);

}  // namespace recbook
