#pragma once
// The texts of the directory settings dialog and of its two file dialogs, English and Czech.
#include "bilingual_texts.h"

namespace terrainmap {

struct DirectoryDialogTexts {
  quorla::BiText title{" Directories setting", " Nastavení adresářů:"};
  quorla::BiText inRegistry{"Directories in Registry:", "Adresáře v registru:"};
  quorla::BiText storedTerrain{"1. DTM data:  ", "1. DTM data:  "};
  quorla::BiText storedBorder{"2. Lines data:  ", "2. Data čar:  "};
  quorla::BiText noData{"...  no data !!", "...  nejsou data !!"};
  quorla::BiText setting{"Directories setting:", "Nastavení adresářů:"};
  quorla::BiText terrainLabel{"1. Directory of Terrain elevation (DTM) data:",
                              "1. Adresář dat výšek terénu (DTM):"};
  quorla::BiText findTerrain{"Find &1", "Najdi &1"};
  quorla::BiText terrainNote{"(contains E???, W??? subdirectories)", "(obsahuje podadresáře E???, W??\?)"};
  quorla::BiText borderLabel{"2. Directory of Border lines data:", "2. Adresář dat hraničních čar:"};
  quorla::BiText findBorder{"Find &2", "Najdi &2"};
  quorla::BiText borderNote{"(contains *.000, *.CBR, ... files)", "(obsahuje soubory *.000, *.CBR, ...)"};
  quorla::BiText saveInRegistry{"Save in Registry  (for case OK) ", "Uložit do registru  (v případě OK) "};
  quorla::BiText terrainDialogTitle{" Choosing of DTM-HCM directory  (Topo)", " Volba adresáře DTM-HCM  (Topo)"};
  quorla::BiText terrainFilter{" HCM-DTM files:  (*.?3E)|*.?3e", " Soubory HCM-DTM:  (*.?3E)|*.?3e"};
  quorla::BiText terrainInitialName{"' ... open  ANY file DTM-HCM '", "' ... otevřete  LIBOVOLNÝ soubor DTM-HCM '"};
  quorla::BiText borderDialogTitle{" Choosing of Co-ordination lines directory  (Border)",
                                   " Volba adresáře koordinačních čar  (Border)"};
  quorla::BiText borderFilter{
      " Border-lines:  (*.000)|*.000| 15-km lines:  (*.015)|*.015| Cross-bord.lines:  (*.CBR)|*.cbr",
      " Hraniční čáry:  (*.000)|*.000| 15-km čáry:  (*.015)|*.015| Přeshraniční čáry:  (*.CBR)|*.cbr"};
  quorla::BiText borderInitialName{"' ... open  ANY co-ordination line file '",
                                   "' ... otevřete  LIBOVOLNÝ soubor koordinační čáry '"};
};

inline constexpr DirectoryDialogTexts kDirectoryDialogTexts{};

}  // namespace terrainmap
