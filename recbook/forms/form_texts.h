#pragma once
// The texts of the record and header forms in both languages.
#include "bilingual_texts.h"

namespace recbook::form_texts {

using quorla::BiText;

// Text 6 of the record form and the editor's information text.
inline constexpr BiText kRecNo{"Rec No. =", "Rec č. ="};
inline constexpr BiText kNewRecNo{"New Rec No. =", "Nový Rec č. ="};

inline constexpr BiText kNoErrors{"No errors  or  no next errors  !!  ", "Žádné chyby  nebo  žádné další chyby  !!  "};
inline constexpr BiText kNoErrorTitle{" no Error", " bez Chyby"};
inline constexpr BiText kErrorTitle{" Error", " Chyba"};
inline constexpr BiText kNotStored{"Record was not written into Working copy  !!", "Rekord nebyl zapsán do Pracovní kopie  !!"};
inline constexpr BiText kHeaderCleared{" Header cleared", " Hlavička vymazána"};

// The Edit menu of the record page and of the header page.
inline constexpr BiText kSaveRecord{"Save record", "Uložit rekord"};
inline constexpr BiText kAddRecord{"Add new record", "Přidat nový rekord"};
inline constexpr BiText kClearRecord{"Clear record data", "Vymazat údaje rekordu"};
inline constexpr BiText kRestoreRecord{"Restore record data", "Obnovit údaje rekordu"};
inline constexpr BiText kCancelNewRecord{"Cancel new record", "Zrušit nový rekord"};
inline constexpr BiText kSaveHeader{"Save Header", "Uložit Hlavičku"};
inline constexpr BiText kClearHeader{"Clear Header data", "Vymazat údaje Hlavičky"};
inline constexpr BiText kRestoreHeader{"Restore Header data", "Obnovit údaje Hlavičky"};

inline constexpr BiText kClearButton{" Clear", " Vymazat"};

}  // namespace recbook::form_texts
