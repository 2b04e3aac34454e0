#include "listing/sort_orders.h"

namespace recbook {

const std::array<SortOrder, 16> kSortOrders{{
    {300, {"Original file records sequence", "Původní pořadí rekordů v souboru"},
     {" Original sequence", " Původní pořadí"}, {"Original sequence", "Původní pořadí"}},
    {301, {"Records sorted  by  Country + station Name", "Rekordy tříděné  podle  Státu + Jména stanice"},
     {" sorting:  Cnt + Name", " třídění:  Stát + Jméno"}, {"Country + Name", "Stát + Jméno"}},
    {302, {"Records sorted  by  Country + Class of station", "Rekordy tříděné  podle  Státu + Třídy stanice"},
     {" sorting:  Cnt + Class", " třídění:  Stát + Třída"}, {"Country + Class", "Stát + Třída"}},
    {303, {"Records sorted  by  Country + Frequency category", "Rekordy tříděné  podle  Státu + Kategorie kmitočtu"},
     {" sorting:  Cnt + freq.cat.", " třídění:  Stát + kat.kmit."}, {"Country + fr.cat.", "Stát + kat.kmit."}},
    {304, {"Records sorted  by  Country + Tx frequency", "Rekordy tříděné  podle  Státu + Tx kmitočtu"},
     {" sorting:  Cnt + freq.Tx", " třídění:  Stát + kmit.Tx"}, {"Country + freq.Tx", "Stát + kmit.Tx"}},
    {305, {"Records sorted  by  Tx frequency", "Rekordy tříděné  podle  Tx kmitočtu"},
     {" sorting:  freq.Tx", " třídění:  kmit.Tx"}, {"freq.Tx", "kmit.Tx"}},
    {306, {"Records sorted  by  Country + Rx frequency", "Rekordy tříděné  podle  Státu + Rx kmitočtu"},
     {" sorting:  Cnt + freq.Rx", " třídění:  Stát + kmit.Rx"}, {"Country + freq.Rx", "Stát + kmit.Rx"}},
    {307, {"Records sorted  by  Rx frequency", "Rekordy tříděné  podle  Rx kmitočtu"},
     {" sorting:  freq.Rx", " třídění:  kmit.Rx"}, {"freq.Rx", "kmit.Rx"}},
    {308, {"Records sorted  by  Country + Power", "Rekordy tříděné  podle  Státu + Výkonu"},
     {" sorting:  Cnt + Power", " třídění:  Stát + Výkon"}, {"Country + Power", "Stát + Výkon"}},
    {309, {"Records sorted  by  Power", "Rekordy tříděné  podle  Výkonu"},
     {" sorting:  Power", " třídění:  Výkon"}, {"Power", "Výkon"}},
    {310, {"Records sorted  by  Country + Status of co-ord.", "Rekordy tříděné  podle  Státu + Stavu koord."},
     {" sorting:  Cnt + Status", " třídění:  Stát + Stav"}, {"Country + Status", "Stát + Stav"}},
    {311, {"Records sorted  by  Status of co-ordination", "Rekordy tříděné  podle  Stavu koordinace"},
     {" sorting:  Status", " třídění:  Stav"}, {"Status", "Stav"}},
    {312, {"Records sorted  by  Country + category of Use", "Rekordy tříděné  podle  Státu + kategorie Použití"},
     {" sorting:  Cnt + cat.Use", " třídění:  Stát + kat.Použ."}, {"Country + cat.Use", "Stát + kat.Použ."}},
    {313, {"Records sorted  by  Country + final/request Date", "Rekordy tříděné  podle  Státu + konečného/žádaného Data"},
     {" sorting:  Cnt + Date", " třídění:  Stát + Datum"}, {"Country + Date", "Stát + Datum"}},
    {314, {"Records sorted  by  final/request Date", "Rekordy tříděné  podle  konečného/žádaného Data"},
     {" sorting:  Date", " třídění:  Datum"}, {"Date", "Datum"}},
    {315, {"Records sorted  by  co-ordination Reference", "Rekordy tříděné  podle  Reference koordinace"},
     {" sorting:  Reference", " třídění:  Reference"}, {"Reference", "Reference"}},
}};

const std::array<int, 16> kViewerSortMenu{300, 301, 302, 303, 304, 306, 308, 310,
                                          312, 313, 305, 307, 309, 314, 311, 315};

const SortOrder& SortOrderOf(int id) {
  return kSortOrders[IsSortOrder(id) ? static_cast<size_t>(id - kFirstOrder) : 0];
}

}  // namespace recbook
