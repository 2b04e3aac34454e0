#pragma once
// The texts of the map window: titles, mouse-mode hints, the Options menu, the readouts, the
// clipboard message and the marker input.
#include "bilingual_texts.h"
#include "windows/map_view.h"

namespace terrainmap::map_texts {

using quorla::BiText;

inline constexpr BiText kMapViewer{"  Map viewer  ", "  Mapový prohlížeč  "};
inline constexpr BiText kPosition{"  Position", "  Poloha"};
inline constexpr BiText kOfTransmitter{" of transmitter", " vysílače"};
inline constexpr BiText kOfReceiver{" of receiver", " přijímače"};
inline constexpr BiText kInMap{" in map  ", " v mapě  "};
inline constexpr std::string_view kVersion = "(ver.2.8),";
inline constexpr BiText kDtmDirectory{"  DTM directory  ", "  adresář DMT  "};
inline constexpr BiText kServiceArea{",  R(serv.area) =", ",  R(obsl.oblast) ="};

// Per mouse mode, in the order of MouseMode.
inline constexpr BiText kModeHints[] = {
    {" Marker setting by left mouse button click", " Nastavení značky kliknutím levým tlačítkem myši"},
    {" Map mooving by left mouse button click and move", " Posun mapy kliknutím a tažením levým tlačítkem myši"},
    {" Detail of map by left mouse button click and move", " Detail mapy kliknutím a tažením levým tlačítkem myši"},
    {" Dist. measur. between 2 points by left mouse button click and move",
     " Měření vzdál. mezi 2 body kliknutím a tažením levým tlačítkem myši"},
    {" ... print D, Az by left mouse button click", " ... výpis D, Az kliknutím levým tlačítkem myši"},
};

// In the order of MapCommand.
inline constexpr BiText kMenuItems[kMapCommandCount] = {
    {"Map viewer description", "Popis prohlížeče map"},
    {"Input of marker Lon,Lat  in  WGS-84 geo. system", "Zadání značky Lon,Lat  v  geo. systému WGS-84"},
    {"Input of marker Lon,Lat  in  othere geo. systems", "Zadání značky Lon,Lat  v  jiných geo. systémech"},
    {"Map fig.  Minimize", "Obr. mapy  Minimalizovat"},
    {"Map fig.  Maximize", "Obr. mapy  Maximalizovat"},
    {"Map fig.  Redrawe", "Obr. mapy  Překreslit"},
    {"Map fig.  to Clipboard", "Obr. mapy  do schránky"},
    {"Map fig.  to Clipboard  (without Marker, ...)", "Obr. mapy  do schránky  (bez značky, ...)"},
    {"Marker setting", "Nastavení značky"},
    {"Map mooving", "Posun mapy"},
    {"Map detail", "Detail mapy"},
    {"Detail back", "Zpět z detailu"},
    {"Dist.measurement  between  2 points", "Měření vzdálenosti  mezi  2 body"},
    {"Dist.measurement  from  marker", "Měření vzdálenosti  od  značky"},
    {"Drawing of ORBIS borders for size > 100x70 km", "Kreslit hranice ORBIS pro velikost > 100x70 km"},
    {"Drawing of ORBIS borders allways", "Kreslit hranice ORBIS vždy"},
    {"Drawing of town contours and roads", "Kreslit obrysy obcí a silnice"},
    {"Do not draw", "Nekreslit"},
    {"Display Lon,Lat in format: Deg, Min, Sec", "Zobrazit Lon,Lat ve formátu: St, Min, Sek"},
    {"Display Lon,Lat in format: Deg decimal", "Zobrazit Lon,Lat ve formátu: St desetinně"},
    {"Setting of directories for DTM and Border lines", "Nastavení adresářů pro DMT a hraniční čáry"},
    {"Setting of Lon, Lat  text-boxes properties", "Nastavení vlastností textových polí Lon, Lat"},
};

inline constexpr BiText kSea{"sea", "moře"};
inline constexpr BiText kAltitude{" Alti =", " n.m.v.="};
inline constexpr BiText kClipboardSaved{"Map  was  saved  into  Clipboard.  ", "Mapa  byla  uložena  do  schránky.  "};
inline constexpr BiText kClipboardInfo{" Clipboard Info", " Schránka Info"};
inline constexpr BiText kInfo{" Info", " Info"};
inline constexpr BiText kError{" Error", " Chyba"};

// The marker input in WGS-84.
inline constexpr BiText kInputData{" Input data", " Vstupní data"};
inline constexpr BiText kWgs84{"Geo. co-ordinates  WGS-84", "Geo. souřadnice  WGS-84"};
inline constexpr BiText kOk{"&OK", "&OK"};
inline constexpr BiText kCancel{"&Cancel", "&Storno"};
inline constexpr BiText kWrongPosition{"Uncorrect value of Geo.coordinates  !!  ",
                                       "Nesprávná hodnota Geo.souřadnic  !!  "};
// The lines are kept short: a message box does not wrap them.
inline constexpr BiText kDescription{
    "Map viewer  -  program control\r\n\r\n"
    "1. Data: terrain heights from the HCM-TOPO files of the DTM directory, border lines (*.000)\r\n"
    "    from the Border directory, roads and towns from its #mrf_vct folder, world borders\r\n"
    "    from the ORBIS database.\r\n"
    "2. Registry: the DTM and Border directories and the text-box properties are kept per user.\r\n"
    "3. Temporary files: up to three map images #mp000.bmp ... in the temporary folder,\r\n"
    "    deleted on Close.\r\n"
    "4. Controls: the map size list, the mouse modes of the toolbar, Options (also the right\r\n"
    "    mouse button), Transfer and Close; Close also stops a drawing.\r\n"
    "5. Transfer: the marker position goes back to the calling form.\r\n"
    "6. Mouse modes: marker setting, map moving, detail, distance between 2 points and from\r\n"
    "    the marker; Options copies the map to the Clipboard with or without the marker.",
    "Mapový prohlížeč  -  ovládání programu\r\n\r\n"
    "1. Data: výšky terénu ze souborů HCM-TOPO adresáře DMT, hraniční čáry (*.000) z adresáře\r\n"
    "    hranic, silnice a obce z jeho složky #mrf_vct, světové hranice z databáze ORBIS.\r\n"
    "2. Registry: adresáře DMT a hranic a vlastnosti textových polí se ukládají pro každého\r\n"
    "    uživatele.\r\n"
    "3. Dočasné soubory: nejvýše tři obrázky mapy #mp000.bmp ... v dočasné složce, smazané\r\n"
    "    při zavření.\r\n"
    "4. Ovládání: seznam velikostí mapy, režimy myši v nástrojové liště, Možnosti (i pravým\r\n"
    "    tlačítkem myši), Přenos a Zavřít; Zavřít zastaví i kreslení.\r\n"
    "5. Přenos: poloha značky se vrátí do volajícího formuláře.\r\n"
    "6. Režimy myši: nastavení značky, posun mapy, detail, vzdálenost mezi 2 body a od značky;\r\n"
    "    Možnosti kopírují mapu do schránky se značkou nebo bez ní."};

}  // namespace terrainmap::map_texts
