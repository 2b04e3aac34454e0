#include "session/file_texts.h"

#include <cctype>
#include <charconv>

namespace recbook::file_texts {

using quorla::Language;

namespace {
bool English(Language l) { return l == Language::English; }
}  // namespace

std::string SaveChangesQuestion(Language l, long long changes) {
  const std::string n = " " + std::to_string(changes);
  return English(l) ? "You have made " + n + "  changes,  but only  \r\nin Working copy  of  Edited file.\r\n\r\n"
                          "Do you want to Save changes into Edited file  ?  "
                    : "Provedl jste " + n + "  změn,  ale jen  \r\nv pracovní kopii  editovaného souboru.\r\n\r\n"
                          "Chcete uložit změny do editovaného souboru  ?  ";
}

std::string SaveFailed(Language l) {
  return English(l) ? "File wasn't save  !!\r\n\r\nIf you want to save on diskette, or on removable\r\n"
                      "disc,  then check  if writting mode  is enabled.\r\nIf writting is enabled  then there  is "
                      "insufficient\r\ndisc space. Save file on hard disc (sel.''Abort'').  "
                    : "Soubor nebyl uložen  !!\r\n\r\nPokud ukládáte na disketu nebo na výměnný\r\n"
                      "disk,  zkontrolujte  zda je povolen zápis.\r\nPokud je zápis povolen,  pak  je na disku "
                      "nedostatek\r\nmísta. Uložte soubor na pevný disk (volba ''Abort'').  ";
}

std::string SaveAsFailed(Language l) {
  return English(l) ? "File wasn't save  !!\r\n\r\nIf you want to save on diskette, or on removable\r\n"
                      "disc,  then check  if writting mode  is enabled.\r\nIf writting is enabled  then there  is "
                      "insufficient  \r\ndisc space. Save file in Hard disc."
                    : "Soubor nebyl uložen  !!\r\n\r\nPokud ukládáte na disketu nebo na výměnný\r\n"
                      "disk,  zkontrolujte  zda je povolen zápis.\r\nPokud je zápis povolen,  pak  je na disku "
                      "nedostatek  \r\nmísta. Uložte soubor na pevný disk.";
}

std::string Saved(Language l, const BiText& what, std::string_view path) {
  return std::string(what(l)) + "\r\n\r\n" + std::string(path) + "  ";
}

std::string WritingDateQuestion(Language l, std::string_view written, std::string_view today) {
  // A blank writing date shows as the list shows a blank date, not as nothing.
  const std::string w = written.empty() ? "00-00-0000" : std::string(written), t(today);
  return English(l) ? "Writing date of file header: " + w + ", Today date: " + t +
                          "  \r\n\r\nDo you want to replace Writing date by Today date  ?"
                    : "Datum zápisu v hlavičce souboru: " + w + ", dnešní datum: " + t +
                          "  \r\n\r\nChcete nahradit datum zápisu dnešním datem  ?";
}

std::string ChangedOnDiskQuestion(Language l, std::string_view path) {
  const std::string p(path);
  return English(l) ? "File:  " + p + "  \r\nwas  changed  on  disc  since  it  was  loaded  !!  \r\n\r\n"
                      "Do you want to overwrite it  ?  "
                    : "Soubor:  " + p + "  \r\nse  na  disku  změnil  od  načtení  !!  \r\n\r\n"
                      "Chcete ho přepsat  ?  ";
}

std::string OverwriteQuestion(Language l, std::string_view path) {
  const std::string p(path);
  return English(l) ? "File:  " + p + "  \r\nalready exists !!  ...  Do you want to overwrite it  ?  "
                    : "Soubor:  " + p + "  \r\nuž existuje !!  ...  Chcete ho přepsat  ?  ";
}

std::string RenameTitle(Language l, std::string_view name) {
  const std::string n(name);
  return English(l) ? " Rename edit. file ''" + n + "''  To name ..."
                    : " Přejmenovat edit. soubor ''" + n + "''  Na jméno ...";
}

std::string DeleteQuestion(Language l, std::string_view path) {
  const std::string p(path);
  return English(l) ? "Do you want to delete Edited file:  \r\n\r\n" + p + "  \r\n\r\nwithout saving into PC basket  ?"
                    : "Chcete smazat editovaný soubor:  \r\n\r\n" + p + "  \r\n\r\nbez uložení do koše  ?";
}

std::string SizeText(unsigned long long bytes, bool crLf) {
  char kb[32];
  const auto end = std::to_chars(kb, kb + sizeof kb, static_cast<double>(bytes) / 1000.0).ptr;
  return "  (" + std::string(kb, end) + (crLf ? " kB  CR,LF)" : " kB)");
}

std::string SaveAsFilter(Language l, std::string_view defaultName) {
  const size_t dot = defaultName.rfind('.');
  const std::string_view extension = dot == std::string_view::npos ? "xms" : defaultName.substr(dot + 1);
  const bool text = !extension.empty() && std::tolower(static_cast<unsigned char>(extension[0])) == 't';
  if (English(l)) {
    return std::string(text ? "Exchange data files:   (*.txt)|*.txt" : "Exchange data files:   (*.xms, *.dat)|*.xms;*.dat") +
           "|All file types:   (*.*)|*.*";
  }
  return std::string(text ? "''Exchange data'' soubory:   (*.txt)|*.txt"
                          : "''Exchange data'' soubory:   (*.xms, *.dat)|*.xms;*.dat") +
         "|Všechny typy souborů:   (*.*)|*.*";
}

}  // namespace recbook::file_texts
