#include "search/search_texts.h"

#include "rules/error_letters.h"
#include "rules/latin1_text.h"

namespace recbook::search_texts {

std::string_view SearchCaption(int id, bool running, quorla::Language l) {
  if (id == kCalcErrorSearch) return (running ? kCalcCancelCaption : kCalcSearchCaption)(l);
  return (running ? kAllCancelCaption : kAllSearchCaption)(l);
}

std::string SearchStatus(ErrorSearchMode mode, quorla::Language l) {
  if (l == quorla::Language::English) {
    if (mode == ErrorSearchMode::CalcErrors)
      return "    Find out and correct only errors that will cause calculation errors"
             "  ...  error code list is given in Help";
    return "    Find out and correct all errors in records  ...  error code list is given in Help";
  }
  if (mode == ErrorSearchMode::CalcErrors)
    return "    Vyhledání a oprava jen chyb,  které způsobí chyby při výpočtu"
           "  ...  seznam kódů chyb je v Nápovědě";
  return "    Vyhledání a oprava všech chyb v rekordech  ...  seznam kódů chyb je v Nápovědě";
}

std::string ErrorCodesHelp(quorla::Language l) {
  std::string text(ErrorLettersHeading()(l));
  text += "\r\n\r\n";
  for (const ErrorLetterHelp& h : ErrorLetterLines()) {
    // The tag sign's line carries no letter of its own; the other lines begin with theirs.
    if (h.letter == kTagSign) text += Latin1ToUtf8({&kTagSign, 1});
    text += h.line(l);
    text += "\r\n";
  }
  text += "\r\n";
  text += ErrorLettersFooter()(l);
  return text;
}

}  // namespace recbook::search_texts
