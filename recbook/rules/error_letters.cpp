#include "error_letters.h"

#include "records/record_text.h"

namespace recbook {
namespace {

// Help lines are UTF-8 (the Czech set carries diacritics).
constexpr ErrorLetterHelp kLines[] = {
    {'F', {"F   [1A] Tx freq. and [1Y] Rx freq. are unfilled in", "F   [1A] Tx kmit. a [1Y] Rx kmit. nejsou vyplněny"}},
    {'2', {"2   error in [1Z] Freq. category", "2   chyba v [1Z] Kategorie kmit."}},
    {'o', {"o   error in [10Z] Channel occupation", "o   chyba v [10Z] Obsazení kanálu"}},
    {'r', {"r    error in [4D] Radius serv. area", "r    chyba v [4D] Poloměr obsl. oblasti"}},
    {'t', {"t    error in [7A] Dessignation of emission", "t    chyba v [7A] Označení vysílání"}},
    {'E', {"E   error in [8B2] Type of ref. antenna", "E   chyba v [8B2] Typ ref. antény"}},
    {'p', {"p   error in [9D] Polarization of antenna", "p   chyba v [9D] Polarizace antény"}},
    {'h', {"h   error in [9Y] Height of antenna", "h   chyba v [9Y] Výška antény"}},
    {'a', {"a   error in [9XH], [9XV] ant.diagrams, or in [9A] Azi., [9B] Ele.",
           "a   chyba v [9XH], [9XV] diagramy ant., nebo v [9A] Azi., [9B] Ele."}},
    {'s', {"s   error in [13Y] Status of co-ordination", "s   chyba v [13Y] Stav koordinace"}},
    {'d', {"d   all date fields  [2C], [2W], [Z2]  are empty", "d   všechna pole dat  [2C], [2W], [Z2]  jsou prázdná"}},
    {'f', {"f    frequency  [1A], [1Y]  is out of VA-99 frequency bands  ",
           "f    kmitočet  [1A], [1Y]  je mimo kmitočtová pásma VA-99  "}},
    {kTagSign, {"   any othere error", "   jakákoli jiná chyba"}},
};

}  // namespace

char ErrorLetter(std::string_view mark) {
  if (mark.empty()) return ' ';
  if (mark.size() == 6) return 'f';  // applied after the table: overrides the F of 11 and 34
  switch (static_cast<int>(LenientNumber(mark.substr(0, 2)))) {
    case 11: case 34: return 'F';
    case 12: return '2';
    case 16: return 'o';
    case 22: return 'r';
    case 24: return 't';
    case 26: return 'E';
    case 29: return 'p';
    case 31: return 'h';
    case 27: case 28: case 32: case 33: return 'a';
    case 36: return 's';
    case 37: return 'd';
    default: return kTagSign;
  }
}

quorla::BiText ErrorLettersHeading() {
  return {"List of error marks in task ''Find out errors in records'':",
          "Seznam značek chyb v úloze ''Vyhledání chyb v rekordech'':"};
}
std::span<const ErrorLetterHelp> ErrorLetterLines() { return kLines; }
quorla::BiText ErrorLettersFooter() {
  return {"Error-tests are made in described sequence.", "Testy chyb se provádějí v popsaném pořadí."};
}

}  // namespace recbook
