#include "editor/editor_menus.h"

#include "search/search_texts.h"

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
    {kAutomaticCorrection, search_texts::kAutomaticCaption},
    {kCalcErrorSearch, search_texts::kCalcSearchCaption},
    {kAllErrorSearch, search_texts::kAllSearchCaption},
};

constexpr MenuItem kUtilityItems[] = {
    {kDateTimeSetting, {"Setting  of  PC date and time", "Nastavení  data a času  PC"}},
    {kDirectorySetting, {"Setting of directories for DTM and Border lines", "Nastavení adresářů pro DTM a hraniční čáry"}},
    {kGeoBoxSetting, {"Setting of Lon, Lat  text-boxes properties", "Nastavení vlastností  polí  Lon, Lat"}},
};

constexpr MenuItem kHelpItems[] = {
    {kExchangeFileHelp, {"What is it VA-99 Exchange data file", "Co je VA-99 ''Exchange data'' soubor"}},
    {kRecordTypesHelp, {"Review of possible co-ordination record types", "Přehled možných typů koordinačních rekordů"}},
    {kEditorDescriptionHelp, {"Editor description", "Popis editoru"}},
    {kEditorControlHelp, {"Editor control", "Ovládání editoru"}},
    {kItemCorrectionHelp, {"Correction of Exchange file data items", "Oprava položek ''Exchange data'' souboru"}},
    {kErrorCodesHelp, {"List of error marks in Find out errors task", "Seznam značek chyb v úloze Hledání chyb"}},
    {kAboutHelp, {"About this program", "O programu"}},
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

}  // namespace recbook
