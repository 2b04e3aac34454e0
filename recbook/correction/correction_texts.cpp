#include "correction/correction_texts.h"

namespace recbook {

const CorrectionDialogTexts& CorrectionTexts() {
  static const CorrectionDialogTexts kTexts{
      {" Automatic correction of errors in records", " Automatická oprava chyb v rekordech"},
      {{
          {"-  It replaces  Lcase letters  with  Ucase letters", "-  Nahrazuje  malá písmena  velkými písmeny"},
          {"'' '' = empty item", "'' '' = prázdná položka"},
          {"-  [10Z] Channel occupat.:  it replaces  '' ''  with  ''0''            ",
           "-  [10Z] Obsazení kanálu:  nahrazuje  '' ''  znakem  ''0''            "},
          {"-  [4D]  Radius serv. area:   it replaces  '' ''  with  ''0''   for   [6A] = ''F?''",
           "-  [4D]  Poloměr obsl. oblasti:   nahrazuje  '' ''  znakem  ''0''   pro   [6A] = ''F?''"},
          {"-  [8B2] Type of refer. ant.:  it replaces  '' ''  with  ''E''",
           "-  [8B2] Typ referenční ant.:  nahrazuje  '' ''  znakem  ''E''"},
      }},
      {{
          {{" If  [1A],[1Y] Tx,Rx frequency < 10 MHz  ...  then  [1A], [1Y] = '' ''",
            " Je-li  [1A],[1Y] kmitočet Tx,Rx < 10 MHz  ...  pak  [1A], [1Y] = '' ''"},
           {"", ""}},
          {{" If  [1A] Tx frequency = '' '' ...  then  Power Tx = '' ''",
            " Je-li  [1A] kmitočet Tx = '' '' ...  pak  výkon Tx = '' ''"},
           {"", ""}},
          {{" If  [4C] Geo. co-ord. = '' ''  ...  then  [6A] = ''ML'',   [4A] starts with ''INTR'',   Alti = '' '',",
            " Jsou-li  [4C] zeměp. souřadnice = '' ''  ...  pak  [6A] = ''ML'',   [4A] začíná  ''INTR'',   "
            "Nadm.výška = '' '',"},
           {" Radius serv.area, Azi, Ele = '' '', Polar.=''V'', Ant.height = 3m, Ant.codes = 000ND00",
            " Poloměr obsl.oblasti, Azi, Ele = '' '', Polar.=''V'', Výška ant. = 3m, Kódy ant. = 000ND00"}},
          {{" If  [6A] Class of st. is wrong    then   [6A] = FX or ML according to Radius serv.area",
            " Je-li  [6A] Třída stanice chybná    pak   [6A] = FX nebo ML podle poloměru obsl.oblasti"},
           {"", ""}},
          {{" If  [6A] Class of st. = ''F?''  ...  then  Radius serv.area = 0",
            " Je-li  [6A] Třída stanice = ''F?''  ...  pak  poloměr obsl.oblasti = 0"},
           {"", ""}},
          {{" If  [6A] Class of st. = ''F?''  and  [4D] Radius serv.area = 0  and  [4Z] Alti,  Alti (DTM)",
            " Je-li  [6A] Třída stanice = ''F?''  a  [4D] Poloměr obsl.oblasti = 0  a  [4Z] Nadm.výška,  "
            "Nadm.výška (DTM)"},
           {"differs more then 10 %,  or  5 m for Alti < 50 m,  ....  then  [4Z] = Alti (DTM)",
            "se liší o více než 10 %,  nebo  o 5 m pro Nadm.výšku < 50 m,  ....  pak  [4Z] = Nadm.výška (DTM)"}},
          {{" If  [6A] Class of st. = ''M?''  and   [4D] Radius serv.area  > 0  ...",
            " Je-li  [6A] Třída stanice = ''M?''  a   [4D] Poloměr obsl.oblasti  > 0  ..."},
           {" then  [4Z] Alti,  Azi, Ele = '' '',  Polar.=''V'',  Ant.height = 3 m,  Ant.codes = 000ND00",
            " pak  [4Z] Nadm.výška,  Azi, Ele = '' '',  Polar.=''V'',  Výška ant. = 3 m,  Kódy ant. = 000ND00"}},
          {{" Correction of bandwidth format  in  [7A] Designation of emission",
            " Oprava formátu šířky pásma  v  [7A] Označení druhu vysílání"},
           {"", ""}},
          {{" Reconstruction of incomplete  [9XH],[9XV] Ant.codes,  if  it is possible",
            " Doplnění neúplných  [9XH],[9XV] kódů ant.,  je-li  to možné"},
           {"", ""}},
          {{" If first 3 digits of Ant. codes are out of range,  then replace it with closest valid ones",
            " Jsou-li první 3 číslice kódů ant. mimo rozsah,  nahradí je nejbližšími platnými"},
           {"", ""}},
      }},
      {"Number of correct. errors:", "Počet opravených chyb:"},
      {"&OK", "&OK"},
      {"&Cancel", "&Storno"},
  };
  return kTexts;
}

const CorrectionOptionText& OptionText(CorrectionOption o) {
  return CorrectionTexts().options[static_cast<size_t>(o)];
}

std::string RepairCountText(uint64_t repairs) { return " " + std::to_string(repairs); }

}  // namespace recbook
