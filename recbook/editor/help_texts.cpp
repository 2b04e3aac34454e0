#include "editor/help_texts.h"

#include "listing/command_ids.h"

namespace recbook {
namespace {

using quorla::BiText;

constexpr BiText kWhatIsTitle{" What is VA-99 Exchange data file", " Co je VA-99 ''Exchange data'' soubor"};
constexpr BiText kWhatIs{
    "The Exchange data file of the Vienna Agreement 99 (Berlin Agreement) carries\r\n"
    "co-ordination requests and frequency registers of land mobile and fixed\r\n"
    "stations between administrations.\r\n\r\n"
    "The file is a sequence of records of 219 characters each, without separators:\r\n"
    "-  record 0 is the header: file number, description of the contents,\r\n"
    "   contents code (O, N, M, D, A), country, responsible person, phone,\r\n"
    "   telefax, telex / e-mail, number of records and writing date,\r\n"
    "-  every further record describes one station by the items of the\r\n"
    "   Agreement: [1A] Tx frequency, [1Y] Rx frequency, [4A] name, [4B] country,\r\n"
    "   [4C] co-ordinates, [6A] class of station, [8B1] power, [9XH], [9XV]\r\n"
    "   antenna diagrams, [13X] co-ordination reference and others.\r\n\r\n"
    "A blank item is an item not filled in. Files with CR,LF after every record\r\n"
    "(*.txt) are read as well and can be saved as true files.",
    "Soubor ''Exchange data'' Vídeňské dohody 99 (Berlínské dohody) přenáší\r\n"
    "žádosti o koordinaci a kmitočtové registry stanic pozemní pohyblivé a pevné\r\n"
    "služby mezi správami.\r\n\r\n"
    "Soubor je řada rekordů po 219 znacích, bez oddělovačů:\r\n"
    "-  rekord 0 je hlavička: číslo souboru, popis obsahu, kód obsahu\r\n"
    "   (O, N, M, D, A), stát, odpovědná osoba, telefon, telefax,\r\n"
    "   telex / e-mail, počet rekordů a datum zápisu,\r\n"
    "-  každý další rekord popisuje jednu stanici položkami Dohody:\r\n"
    "   [1A] kmitočet Tx, [1Y] kmitočet Rx, [4A] jméno, [4B] stát,\r\n"
    "   [4C] souřadnice, [6A] třída stanice, [8B1] výkon, [9XH], [9XV]\r\n"
    "   diagramy antény, [13X] koordinační reference a další.\r\n\r\n"
    "Prázdná položka je položka nevyplněná. Soubory s CR,LF za každým rekordem\r\n"
    "(*.txt) se také načtou a lze je uložit jako pravé soubory."};

constexpr BiText kRecordTypesTitle{"Review of possible co-ordination request record types",
                                   "Přehled možných typů rekordů žádostí o koordinaci"};
constexpr BiText kRecordTypes{
    "Possible co-ordination request records:\r\n\r\n"
    "-  Transmitter and receiver (FB, FX, ...):  [1A] Tx and [1Y] Rx frequency,\r\n"
    "   [8B1] radiated power, [9Y] antenna height, [9XH], [9XV] diagrams,\r\n"
    "-  Transmitter only:  [1A] filled in, [1Y] blank,\r\n"
    "-  Receiver only:  [1Y] filled in, [1A] blank, [9G] receiving antenna gain,\r\n"
    "-  Mobile stations of a service area (ML, MR, MS):  [4C] centre of the area\r\n"
    "   and [4D] radius of the service area in km,\r\n"
    "-  Whole-country entries:  [4C] blank, the country in [4B].\r\n\r\n"
    "[13Y] status of co-ordination and [2W], [2Z] dates follow the state of the\r\n"
    "request; [13X] is the co-ordination reference of the administration.",
    "Možné rekordy žádostí o koordinaci:\r\n\r\n"
    "-  Vysílač a přijímač (FB, FX, ...):  [1A] kmitočet Tx a [1Y] Rx,\r\n"
    "   [8B1] vyzářený výkon, [9Y] výška antény, [9XH], [9XV] diagramy,\r\n"
    "-  Pouze vysílač:  [1A] vyplněn, [1Y] prázdný,\r\n"
    "-  Pouze přijímač:  [1Y] vyplněn, [1A] prázdný, [9G] zisk přijímací antény,\r\n"
    "-  Pohyblivé stanice obsluhované oblasti (ML, MR, MS):  [4C] střed oblasti\r\n"
    "   a [4D] poloměr obsluhované oblasti v km,\r\n"
    "-  Celostátní záznamy:  [4C] prázdné, stát v [4B].\r\n\r\n"
    "[13Y] stav koordinace a data [2W], [2Z] sledují stav žádosti;\r\n"
    "[13X] je koordinační reference správy."};

constexpr BiText kDescriptionTitle{" Editor description", " Popis editoru"};
constexpr BiText kDescription{
    "The editor never edits an Exchange data file in place.\r\n\r\n"
    "Opening a file copies it into a Working copy; every change of a record or\r\n"
    "of the header goes into the Working copy only. The Edited file is written\r\n"
    "only by ''Save file'' (or the save question when you leave the editor,\r\n"
    "open or create another file): the header's number of records and writing\r\n"
    "date are set and the listed records are written in list order.\r\n\r\n"
    "The list page shows one line per record; tagged records can be saved as a\r\n"
    "new file, appended to or removed from another file, or deleted.\r\n\r\n"
    "The Working copy is kept in the directory:  ",
    "Editor nikdy needituje ''Exchange data'' soubor přímo.\r\n\r\n"
    "Otevření souboru jej zkopíruje do Pracovní kopie; každá změna rekordu nebo\r\n"
    "hlavičky jde jen do Pracovní kopie. Editovaný soubor se zapíše jen příkazem\r\n"
    "''Uložit soubor'' (nebo dotazem na uložení při odchodu z editoru, otevření\r\n"
    "či vytvoření jiného souboru): nastaví se počet rekordů a datum zápisu\r\n"
    "v hlavičce a zapíšou se rekordy seznamu v jeho pořadí.\r\n\r\n"
    "Stránka seznamu ukazuje jeden řádek na rekord; označené rekordy lze uložit\r\n"
    "jako nový soubor, připojit k jinému souboru, odstranit z něj nebo vymazat.\r\n\r\n"
    "Pracovní kopie je uložena v adresáři:  "};

constexpr BiText kControlTitle{" Editor control", " Ovládání editoru"};
constexpr BiText kControl{
    "File:  New file, Open file, Save file, Save file As, Save CR+LF file As, Exit.\r\n"
    "Edit:  tag selected or ALL records, untag them, Save / Append / Delete /\r\n"
    "       Remove tagged records, Rename or Delete the Edited file.\r\n"
    "Sort:  the original sequence and fifteen sort orders of the list.\r\n"
    "Corrections, Utilities:  correction of errors and settings.\r\n\r\n"
    "Mouse:  a click in the first column of the list tags or untags the selected\r\n"
    "records; Shift and Ctrl select several records; a double click shows the\r\n"
    "record; the right button opens the Edit menu.\r\n"
    "Esc or the close box leaves the editor; unsaved changes are asked for.",
    "Soubor:  Nový, Otevřít, Uložit, Uložit Jako, Uložit CR+LF Jako, Konec.\r\n"
    "Editace:  označit vybrané nebo VŠECHNY rekordy, zrušit označení, Uložit /\r\n"
    "       Připojit / Vymazat / Odstranit označené rekordy, Přejmenovat nebo\r\n"
    "       Vymazat Editovaný soubor.\r\n"
    "Třídění:  původní pořadí a patnáct třídění seznamu.\r\n"
    "Opravy, Utility:  oprava chyb a nastavení.\r\n\r\n"
    "Myš:  klik do prvního sloupce seznamu označí nebo odznačí vybrané rekordy;\r\n"
    "Shift a Ctrl vybírají více rekordů; dvojklik ukáže rekord; pravé tlačítko\r\n"
    "otevře menu Editace.\r\n"
    "Esc nebo zavírací tlačítko ukončí editor; na neuložené změny se zeptá."};

constexpr BiText kCorrectionTitle{" Correction of error items in Exchange data files.",
                                  " Oprava chybných položek v ''Exchange data'' souborech."};
constexpr BiText kCorrection{
    "The Editor menu ''Correction'' contains utilities  for  (1.) Automatic  \r\n"
    "and  for  (2.a,b.)  Manual correction  of  Exchange file data  error\r\n"
    "items  which were previously  finded-out  by utility.\r\n"
    "-  2.a. Correction:  finds-out error items  which are used\r\n"
    "   in  the HCM Test programs (DLL modules)  only.\r\n"
    "-  2.b. Correction:  finds-out all error items",
    "Menu editoru ''Opravy'' obsahuje nástroje  pro  (1.) Automatickou  \r\n"
    "a  pro  (2.a,b.)  Ruční opravu  chybných  položek  ''Exchange data'' souboru,\r\n"
    "které  předtím  nalezl  nástroj.\r\n"
    "-  2.a. Oprava:  hledá chybné položky,  které se používají\r\n"
    "   jen  v  testovacích programech HCM (DLL moduly).\r\n"
    "-  2.b. Oprava:  hledá všechny chybné položky"};

constexpr BiText kAboutTitle{" About this program", " O programu"};
constexpr BiText kAbout{"Editor of Exchange data files for Mobile service  \r\nof Vienna Agreement 99 (Berlin Agreement).",
                        "Editor ''Exchange data'' souborů pro pohyblivou službu  \r\nVídeňské dohody 99 (Berlínské dohody)."};

}  // namespace

HelpBox HelpBoxOf(int id, quorla::Language l, std::string_view tempDirectory) {
  const auto box = [l](const BiText& title, const BiText& text) {
    return HelpBox{std::string(title(l)), std::string(text(l))};
  };
  switch (id) {
    case kExchangeFileHelp: return box(kWhatIsTitle, kWhatIs);
    case kRecordTypesHelp: return box(kRecordTypesTitle, kRecordTypes);
    case kEditorDescriptionHelp: {
      HelpBox b = box(kDescriptionTitle, kDescription);
      b.text += tempDirectory;
      return b;
    }
    case kEditorControlHelp: return box(kControlTitle, kControl);
    case kItemCorrectionHelp: return box(kCorrectionTitle, kCorrection);
    case kAboutHelp: return box(kAboutTitle, kAbout);
    default: return {};
  }
}

}  // namespace recbook
