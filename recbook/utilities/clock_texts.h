#pragma once
// The texts of the date and time dialog ("Setting  of  PC date and time") in both languages.
#include "bilingual_texts.h"

namespace recbook::clock_texts {

using quorla::BiText;

inline constexpr BiText kTitle{" Setting  of  PC Date + Time", " Nastav.  Datumu + hodin PC"};
inline constexpr BiText kDateLabel{"   PC Date:                          (DD-MM-YYYY)",
                                   "   Datum PC:                          (DD-MM-RRRR)"};
inline constexpr BiText kTimeLabel{"   PC Time:                  (HH:MM)", "   Čas PC:                  (HH:MM)"};
inline constexpr BiText kOk{"&OK", "&OK"};
inline constexpr BiText kCancel{"&Cancel", "&Zrušit"};

// Refusals: the value in the box goes between the start and kNoSuchValueEnd; nothing was changed.
inline constexpr BiText kNoSuchDate{"There is no date  ", "Datum  "};
inline constexpr BiText kNoSuchTime{"There is no time  ", "Čas  "};
inline constexpr BiText kNoSuchValueEnd{"  !!  \r\n\r\nPC date and time were not changed.",
                                        "  neexistuje  !!  \r\n\r\nDatum a čas PC nebyly změněny."};
inline constexpr BiText kClockRefused{
    "The system refused to set PC date and time  !!  \r\n\r\n"
    "Setting the clock needs the right to change the system time.\r\n"
    "PC date and time were not changed.",
    "Systém odmítl nastavit datum a čas PC  !!  \r\n\r\n"
    "Nastavení hodin vyžaduje právo měnit systémový čas.\r\n"
    "Datum a čas PC nebyly změněny."};
inline constexpr BiText kErrorTitle{" Error", " Chyba"};

}  // namespace recbook::clock_texts
