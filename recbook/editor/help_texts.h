#pragma once
// The texts of the Help menu's information boxes (601 to 607) in English and Czech.
#include <string>
#include <string_view>

#include "bilingual_texts.h"

namespace recbook {

struct HelpBox {
  std::string title;  // the part after the caption prefix
  std::string text;   // "\r\n" is a line break
};

// The box of a Help command; tempDirectory ends the text of 602 (the working copy's folder).
// An id outside 601 to 607 gives an empty box.
HelpBox HelpBoxOf(int id, quorla::Language language, std::string_view tempDirectory);

}  // namespace recbook
