#pragma once
// The checks of a header before it is saved (the header form and the header dialog of a save of
// tagged records), in their fixed order: the first faulty field and its message (title caption +
// " Error"); the form or dialog then puts the focus on that field.
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

std::optional<HeaderFault> CheckHeaderValues(const HeaderValues& values, quorla::Language language);

}  // namespace recbook
