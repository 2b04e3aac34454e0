#pragma once
// The texts of the editor's file commands: dialog titles, filters, messages and questions, in
// English and Czech. Titles here are the part after the caption prefix. "\r\n" is a line break.
#include <string>
#include <string_view>

#include "bilingual_texts.h"

namespace recbook::file_texts {

using quorla::BiText;

inline constexpr BiText kOpenTitle{" Load Exch. data file", " Otevření ''Exch. data'' souboru"};
inline constexpr BiText kAllFilesFilter{"All file types:   (*.*)|*.*", "Všechny typy souborů:   (*.*)|*.*"};
inline constexpr BiText kRenameFilter{"All file types:    (*.*)|*.*", "Všechny typy souborů:    (*.*)|*.*"};
inline constexpr BiText kOpenErrorTitle{" Open file Error", " Chyba otevření souboru"};
inline constexpr BiText kNewTitle{" Create new Exchange data file", " Vytvoření nového ''Exchange data'' souboru"};
inline constexpr BiText kSaveAsTitle{" Save file As ...", " Uložit soubor Jako ..."};
inline constexpr BiText kSaveTaggedAsTitle{" Save taged Rec into file As ...", " Uložit označ. Rec do souboru Jako ..."};
inline constexpr BiText kCrLfTitle{" Save file with CR+LF separators  As ...", " Uložit soubor s oddělovači CR+LF  Jako ..."};
inline constexpr BiText kCrLfWindowTitle{" Conversion of edited file to file with CR+LF",
                                         " Převod editovaného souboru na soubor s CR+LF"};
inline constexpr BiText kDriveErrorTitle{" Drive Error", " Chyba disku"};
inline constexpr BiText kLoadedFromCdRom{"Edited file was loaded from CD-ROM and I can't write file on it  !!  ",
                                         "Editovaný soubor byl načten z CD-ROM a nemohu na něj zapisovat  !!  "};
inline constexpr BiText kSavingErrorTitle{" Saving Error", " Chyba ukládání"};
inline constexpr BiText kInfoTitle{"  Info", "  Info"};
inline constexpr BiText kSavedEdited{"I saved edited file:", "Uložil jsem editovaný soubor:"};
inline constexpr BiText kSavedInto{"I saved edited file into file:", "Uložil jsem editovaný soubor do souboru:"};
inline constexpr BiText kSavedTaggedInto{"I saved taged records into file:", "Uložil jsem označené záznamy do souboru:"};
inline constexpr BiText kDateTitle{" Date replacement + Save edited file", " Náhrada data + Uložení editovaného souboru"};
inline constexpr BiText kCdRomTarget{"I can't write file  at  CD-ROM  !!", "Nemohu zapisovat soubor  na  CD-ROM  !!"};
inline constexpr BiText kSelectedDriveErrorTitle{" Selected drive Error", " Chyba zvoleného disku"};
inline constexpr BiText kConflictTitle{" File save conflict", " Konflikt při ukládání souboru"};
inline constexpr BiText kRenameErrorTitle{" Rename file Error", " Chyba přejmenování souboru"};
inline constexpr BiText kAlreadyExists{"File  already  exists  !!", "Soubor  už  existuje  !!"};
inline constexpr BiText kUnknownFile{"... File = ?", "... Soubor = ?"};
inline constexpr BiText kStartingData{"...  starting data from file: ", " ...  počáteční údaj ze soub.: "};

// The save question on leaving, opening or creating a file; changes has no leading blank yet.
std::string SaveChangesQuestion(quorla::Language l, long long changes);
// The failure of Save file (Abort/Retry/Ignore) and of the save-as commands (Retry/Cancel).
std::string SaveFailed(quorla::Language l);
std::string SaveAsFailed(quorla::Language l);
// What was saved: the first line, two breaks, the path and two blanks.
std::string Saved(quorla::Language l, const BiText& what, std::string_view path);
// Dates as DD-MM-YYYY; a blank writing date (empty) as 00-00-0000.
std::string WritingDateQuestion(quorla::Language l, std::string_view written, std::string_view today);
std::string OverwriteQuestion(quorla::Language l, std::string_view path);
// Save file over an edited file that another program changed since it was loaded (Yes/No).
std::string ChangedOnDiskQuestion(quorla::Language l, std::string_view path);
std::string RenameTitle(quorla::Language l, std::string_view name);
std::string DeleteQuestion(quorla::Language l, std::string_view path);
// "  (" + kB + " kB)" or "  (" + kB + " kB  CR,LF)", kB = bytes / 1000 in its shortest form.
std::string SizeText(unsigned long long bytes, bool crLf);
// The save-as dialog's filter for a default name: by its extension (".xms" when it has none).
std::string SaveAsFilter(quorla::Language l, std::string_view defaultName);

}  // namespace recbook::file_texts
