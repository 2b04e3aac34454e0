#pragma once
// The checks of the header dialog of "Save  taged records  As file" when OK is pressed: the first
// faulty field and its message (title caption + " Error"); the dialog then stays open with the
// focus on that field.
#include <optional>
#include <string>

#include "bilingual_texts.h"
#include "records/record_builder.h"

namespace recbook {

enum class HeaderField { FileNumber, Description, ContentsCode, Country, Person, Phone, Telefax, Telex };

struct HeaderFault {
  HeaderField field;
  std::string message;
};

std::optional<HeaderFault> CheckTaggedHeader(const HeaderValues& values, quorla::Language language);

// The dialog's title after the caption prefix, for the chosen file's bare name.
std::string TaggedHeaderTitle(quorla::Language language, const std::string& bareName);
// The note beside the writing date: "  ...  today date:  " + DD-MM-YYYY.
std::string TodayNote(quorla::Language language, const std::string& todayDisplay);

}  // namespace recbook
