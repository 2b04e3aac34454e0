#pragma once
// The texts of the Corrections menu and of the error search: the captions of 401 to 403 with and
// without a running search, the status line of each scope, the list page's single Edit item, the
// record form's first button and the help box of the error letters.
#include <string>

#include "bilingual_texts.h"
#include "listing/command_ids.h"
#include "rules/record_check.h"

namespace recbook::search_texts {

using quorla::BiText;

inline constexpr BiText kAutomaticCaption{"1. Automatic correction of errors in records",
                                          "1. Automatická oprava chyb v rekordech"};
inline constexpr BiText kCalcSearchCaption{"2.a. Find out and correct errors that will cause Calc. errors",
                                           "2.a. Vyhledání a oprava chyb,  které způsobí chyby při Výpočtu"};
inline constexpr BiText kAllSearchCaption{"2.b. Find out and correct  ALL errors in records",
                                          "2.b. Vyhledání a oprava  VŠECH chyb v rekordech"};
inline constexpr BiText kCalcCancelCaption{"Cancel of ''Find out errors in records''",
                                           "Storno ''Vyhledání chyb v rekordech''"};
inline constexpr BiText kAllCancelCaption{"Cancel  of  Find out errors in records",
                                          "Storno  Vyhledání chyb  v  rekordech"};

inline constexpr BiText kDeleteWithErrors{"Delete  records with errors", "Vymazat  rekordy s chybama"};

inline constexpr BiText kFindErrorButton{" Find error", " Najít chybu"};
inline constexpr BiText kNewRecButton{" New Rec", " Nový Rec"};

inline constexpr BiText kErrorCodesTitle{" Error codes", " Kódy chyb"};

// The caption of a search item: its cancel caption while its own search runs.
std::string_view SearchCaption(int id, bool running, quorla::Language l);

// The status line of a running search of the given scope.
std::string SearchStatus(ErrorSearchMode mode, quorla::Language l);

// The help box "List of error marks": heading, empty line, one line per letter, empty line, the
// closing line; lines joined with CR LF, UTF-8 (the tag sign is shown as U+00A4).
std::string ErrorCodesHelp(quorla::Language l);

}  // namespace recbook::search_texts
