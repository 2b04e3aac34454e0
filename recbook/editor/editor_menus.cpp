#include "editor/editor_menus.h"

namespace recbook {
namespace {

constexpr MenuItem kFileItems[] = {
    {kNewFile, {"New file", "Nový soubor"}},
    {kOpenFile, {"Open file ...", "Otevřít soubor ..."}},
    {kSaveFile, {"Save file", "Uložit soubor"}},
    {kSaveFileAs, {"Save file  As ...", "Uložit soubor  Jako ..."}},
    {kSaveCrLfAs, {"Save CR+LF file  As ...", "Uložit CR+LF soubor  Jako ..."}},
    {kExit, {"Exit", "Konec"}},
};

constexpr MenuItem kCorrectionItems[] = {
    {401, {"1. Automatic correction of errors in records", "1. Automatická oprava chyb v rekordech"}},
    {402, {"2.a. Find out and correct errors that will cause Calc. errors",
           "2.a. Najít a opravit chyby, které způsobí chyby výpočtu"}},
    {403, {"2.b. Find out and correct  ALL errors in records", "2.b. Najít a opravit  VŠECHNY chyby v rekordech"}},
};

constexpr MenuItem kUtilityItems[] = {
    {505, {"Setting  of  PC date and time", "Nastavení  data a času  PC"}},
    {506, {"Setting of directories for DTM and Border lines", "Nastavení adresářů pro DTM a hraniční čáry"}},
    {507, {"Setting of Lon, Lat  text-boxes properties", "Nastavení vlastností  polí  Lon, Lat"}},
};

constexpr MenuItem kHelpItems[] = {
    {601, {"What is it VA-99 Exchange data file", "Co je VA-99 ''Exchange data'' soubor"}},
    {605, {"Review of possible co-ordination record types", "Přehled možných typů koordinačních rekordů"}},
    {602, {"Editor description", "Popis editoru"}},
    {603, {"Editor control", "Ovládání editoru"}},
    {607, {"Correction of Exchange file data items", "Oprava položek ''Exchange data'' souboru"}},
    {604, {"List of error marks in Find out errors task", "Seznam značek chyb v úloze Hledání chyb"}},
    {606, {"About this program", "O programu"}},
};

}  // namespace

const std::array<int, 17> kSortMenuSequence{300, 301, 302, 303, 304, 306, 308, 310, 312,
                                            313, 0,   305, 307, 309, 314, 311, 315};

const std::array<MenuDefinition, kMenuCount>& MenuBar() {
  static const std::array<MenuDefinition, kMenuCount> bar{{
      {MenuPosition::Blank, {"", ""}, {}},
      {MenuPosition::File, {" &File  ", " &Soubor  "}, kFileItems},
      {MenuPosition::Edit, {" &Edit  ", " &Editace  "}, {}},
      {MenuPosition::Sort, {" &Sort  ", " &Třídění  "}, {}},
      {MenuPosition::Corrections, {" &Corrections  ", " &Opravy  "}, kCorrectionItems},
      {MenuPosition::Utilities, {" &Utilities  ", " &Utility  "}, kUtilityItems},
      {MenuPosition::Help, {" &Help  ", " &Nápověda  "}, kHelpItems},
  }};
  return bar;
}

bool CommandAvailable(int id) { return !(id >= 505 && id <= 507); }

}  // namespace recbook
