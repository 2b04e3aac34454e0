#pragma once
// The one-letter code that the error search writes into the mark column of a faulty record's
// list line, chosen by the edit box number of its error mark, and the help list of these letters.
#include <span>
#include <string_view>

#include "bilingual_texts.h"

namespace recbook {

// The tag sign of the list (byte 0xA4) stands for every error without a letter of its own.
inline constexpr char kTagSign = '\xA4';

// The letter of an error mark; a blank for the empty mark. A six-character mark is an
// out-of-band frequency ("f"), whatever its box.
char ErrorLetter(std::string_view mark);

struct ErrorLetterHelp {
  char letter;
  quorla::BiText line;
};
// The help list "List of error marks ...": heading, one line per letter, closing line.
quorla::BiText ErrorLettersHeading();
std::span<const ErrorLetterHelp> ErrorLetterLines();
quorla::BiText ErrorLettersFooter();

}  // namespace recbook
