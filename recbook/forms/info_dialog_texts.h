#pragma once
// The texts of the record form's Info dialogs that call into the other libraries or calculate:
// the co-ordinates of [4C], the altitude of [4Z], the power calculator of [8B1] and the antenna
// codes of [9XH] / [9XV], in both languages. The titles are single-byte, as the code tables' are.
#include "bilingual_texts.h"

namespace recbook::info_texts {

using quorla::BiText;

// [4C]: the position of boxes 20 and 21, " C&onversion" (datum conversion) and "from &Map".
inline constexpr BiText kCoordinatesTitle{"  [4C]  Geo. co-ordinates of station", "  [4C]  Geo. souradnice stanice"};
inline constexpr BiText kCoordinatesHelp{"WGS-84 geo. co-ordinates:", "Geo. souřadnice WGS-84:"};
inline constexpr BiText kLongitude{"Lon:", "Délka:"};
inline constexpr BiText kLatitude{"Lat:", "Šířka:"};
inline constexpr BiText kConversionButton{" C&onversion", " K&onverze"};
inline constexpr BiText kMapButton{"from &Map", "z &Mapy"};
inline constexpr BiText kWrongCoordinates{"Uncorrect value of Geo.coordinates  !!  ",
                                          "Nesprávná hodnota Geo.souřadnic  !!  "};
inline constexpr BiText kCoordinatesErrorTitle{" Coordinates Error", " Chyba souřadnic"};
inline constexpr BiText kNoTerrainDirectory{
    "There is no valid DTM directory setting in Registry  !!  \r\n\r\nUse menu ''Utilities'' for its setting.",
    "V Registru není platné nastavení adresáře DTM  !!  \r\n\r\nPro jeho nastavení použijte menu ''Utility''."};
inline constexpr BiText kTerrainErrorTitle{" DTM directory Error", " Chyba adresáře DTM"};

// [4Z]: the terrain altitude at the position of boxes 20 and 21.
inline constexpr BiText kAltitudeTitle{"  [4Z]  Height of station above sea", "  [4Z]  Vyska stanice nad morem"};
inline constexpr BiText kAltitudeHelp[] = {
    {"If  [6A]: Class of station  starts  with character:", "Jestliže  [6A]: Třída stanice  začíná  znakem:"},
    {"''M'' =  Mobile then  [4Z]  should be unfilled in", "''M'' =  Mobilní, pak  [4Z]  má být nevyplněno"},
    {"''F''  =  Fixed   then  [4Z]  non-mandatory:", "''F''  =  Pevná,   pak  [4Z]  nepovinné:"},
};
inline constexpr BiText kAltitudeLabel{"Alti DTM (", "n.m.v. DTM ("};
inline constexpr BiText kNoAltitude{" ???", " ???"};

// [8B1]: the power calculator.
inline constexpr BiText kPowerTitle{"  [8B1]  Max. radiated power", "  [8B1]  Max. vyzareny vykon"};
inline constexpr BiText kPowerLabel{"Tx power:", "Výkon vysílače:"};
inline constexpr BiText kWatts{" [W]", " [W]"};
inline constexpr BiText kMilliwatts{" [mW]", " [mW]"};
inline constexpr BiText kGainLabel{"Max. antenna gain:", "Max. zisk antény:"};
inline constexpr BiText kDipole{"dB/dipol", "dB/dipól"};
inline constexpr BiText kIsotropic{"dB/izotrop.", "dB/izotrop."};
inline constexpr BiText kLossLabel{"Total loss [dB]  (feeder+filter+ ...):", "Celkový útlum [dB]  (napáječ+filtr+ ...):"};
inline constexpr BiText kErp{"ERPmax", "ERPmax"};
inline constexpr BiText kEirp{"EIRPmax", "EIRPmax"};
inline constexpr BiText kAbove30{"  > 30 dBW", "  > 30 dBW"};
inline constexpr BiText kBelow30{"  < -30 dBW", "  < -30 dBW"};
inline constexpr BiText kPowerNote{"If [1A] is empty then [8B1] has to be empty too.",
                                   "Jestliže [1A] je prázdné, pak i [8B1] musí být prázdné."};

// [9XH], [9XV]: the antenna codes and "&Ant. Editor".
inline constexpr BiText kAntennaCodesTitle{"  [9XH], [9XV]  Type of antenna", "  [9XH], [9XV]  Typ anteny"};
inline constexpr BiText kAntennaCodesHelp[] = {
    {"If  [6A] Class  starts with ''M'',   then  antenna diagrams are:",
     "Jestliže  [6A] Třída  začíná na ''M'',   pak  diagramy antény jsou:"},
    {"000ND00,   [9Y] Hant = 3 m,  [9A] Azi, [9B] Ele have to be empty.",
     "000ND00,   [9Y] Hant = 3 m,  [9A] Azi, [9B] Ele musí být prázdné."},
    {"Not yet determined antenna code is:  999XX99.", "Dosud neurčený kód antény je:  999XX99."},
};
inline constexpr BiText kAntennaEditorButton{"&Ant. Editor", "&Editor antény"};

}  // namespace recbook::info_texts
