#pragma once
// The antenna editor's window texts, English and Czech.
#include <array>

#include "bilingual_texts.h"

namespace radpattern::texts {

using quorla::BiText;

inline constexpr std::string_view kVersion = "1.7.";

inline constexpr std::array<BiText, 3> kTitleByMode{{
    {" Antenna Editor  conformal to VA-99   (ver.", " Editor antény dle VA-99   (ver."},
    {" Edit of Tx antenna  conformal to VA-99   (ver.", " Editace vysílací antény dle VA-99   (ver."},
    {" Edit of Rx antenna  conformal to VA-99   (ver.", " Editace přijímací antény dle VA-99   (ver."},
}};

inline constexpr std::array<BiText, 5> kTabs{{
    {" Horizontal diagram ", " Horizontální diagram "},
    {" Azimuth of AziMax ", " Azimut AziMax "},
    {" Vertical diagram ", " Vertikální diagram "},
    {" Elevation of EleMax ", " Elevace EleMax "},
    {" 3D- diagram ", " 3D- diagram "},
}};

// The button row, left to right, with the dialog ids 4, 3, 5, 1, 2.
inline constexpr BiText kDescriptionButton{"&Program description", "P&opis programu"};
inline constexpr BiText kCopyButton{"C&opy to Clipboard", "O&br. do Clipboardu"};
inline constexpr BiText kKathreinButton{"from  &Kathrein files", "z  &Kathrein souborů"};
inline constexpr BiText kTransferButton{"&Transfer", "&Přenést"};
inline constexpr BiText kCloseButton{"&Close", "&Zavřít"};

inline constexpr BiText kLinScale{"&Lin scale", "&Lin meřítko"};
inline constexpr BiText kDbScale{"&dB scale", "&dB meřítko"};
inline constexpr BiText kTableView{"&Table", "&Tabulka"};
inline constexpr BiText kGraphView{"&Graph", "&Graf"};
inline constexpr BiText kPolarView{"Polar graph", "&Polární graf"};
inline constexpr BiText kXYView{"&X ,Y graph", "&X ,Y graf"};
inline constexpr BiText kNew3DButton{"New 3D", "Nové 3D"};
inline constexpr BiText kOld3DButton{"Old 3D", "Staré 3D"};

// Pages 1 and 3.
inline constexpr BiText kAzimuthLabels[4] = {
    {"Horizontal diagram:", "Horizontální diagram:"},
    {"Azimuth  of  maximum", "Azimut  maxima"},
    {"radiation  =", "vyzařování  ="},
    {"Azimuth setting  by  Left mouse button click  in  Graphic", "Nastavení azimutu  kliknutím  levým tlačítkem myši  v  grafu"},
};
inline constexpr BiText kElevationLabels[4] = {
    {"Vertical diagram:", "Vertikální diagram:"},
    {"Elevation  of  main", "Elevace  hlavního"},
    {"radiation  =", "vyzařování  ="},
    {"Elevation setting  by  Left mouse button click  in  Graphic", "Nastavení elevace  kliknutím  levým tlačítkem myši  v  grafu"},
};
// Page 4.
inline constexpr BiText kTestAzimuth{"test Azimuth =", "test Azimut ="};
inline constexpr BiText kTestElevation{"test Elevation =", "test Elevace ="};
inline constexpr BiText kClickHint{"  Left mouse but. click in Fig.", "  Klik levým tl. v obr."};
inline constexpr BiText kMouse{"mouse", "myš"};

// Family labels of pages 0 and 2.
inline constexpr BiText kOmniLabel{"Omnidirect. diagram  000ND00", "Všesměrový diagram  000ND00"};
inline constexpr BiText kHalfBeamWidth{" = 1/2 beam              width:", " = 1/2 šířky svazku      :"};
inline constexpr BiText kRadiusEnvelope{" = radius envelope       0 - 99 [%]", " = poloměr obálky        0 - 99 [%]"};
inline constexpr BiText kRadiusMinimum{" = radius minimum       0 - 100 [%]", " = poloměr minima        0 - 100 [%]"};
inline constexpr BiText kStepWidth{" = pos. 1: 1/2 beam width  15° + 5° per step",
                                   " = poz. 1: 1/2 šířky svazku  15° + 5° na krok"};
inline constexpr BiText kLobeAngle{" = 1/2 angle [°]  between       diagram lobes:  0°- 99°",
                                   " = 1/2 úhlu [°]  mezi       laloky diagramu:  0°- 99°"};
inline constexpr BiText kEnvelopeSize{" = size of front and       back envelopes", " = velikost přední a       zadní obálky"};
inline constexpr BiText kWEnvelopes{" = outer and inner envelope: a/20, 0.35 + b/20",
                                    " = vnější a vnitřní obálka: a/20, 0.35 + b/20"};

inline constexpr BiText kDescriptionTitle{" Short description  of  Antenna Editor,  ver.", " Stručný popis  Editoru Anten,  ver."};
inline constexpr BiText kDescription{
    "1) The editor sets all antenna radiation characteristics defined in Annex 6 of the VA-99 agreement.\r\n"
    "2) Vertical diagrams use the clockwise orientation of the reference HCM-MS test programs; this matters for the "
    "two-lobe V and W diagrams.\r\n"
    "3) Two versions of the 3D diagrams are shown: the new one conformal to the working group's documentation for "
    "mobile services version 6 (\"Calculation of the total antenna loss\", test program HCMMS_V6.exe), the old one as "
    "in the older calculation method and the test program HCM_MS99.exe.\r\n"
    "4) Standard control by mouse, Tab/Shift+Tab and shortcuts,     ESC = Close,  Enter = Transfer.\r\n"
    "5) Azimuth and elevation can be set by a left mouse click in the diagrams.\r\n"
    "6) Non-dropdown comboboxes react to the Up/Down arrows and Page Up/Down.\r\n"
    "7) Every graphic can be copied to the clipboard and pasted into other applications.\r\n"
    "8) The Kathrein button converts Kathrein *.MSI antenna pattern files to VA-99 codes; the program uses the "
    "registry key HKEY_CURRENT_USER\\Software\\Quorla.\r\n"
    "9) Transfer passes the antenna data back to the module that called the editor.\r\n",
    "1) Editor nastavuje všechny vyzařovací charakteristiky antén definované v příloze 6 dohody VA-99.\r\n"
    "2) Vertikální diagramy používají orientaci ve směru hodinových ručiček jako referenční testovací programy "
    "HCM-MS; to je podstatné pro dvoulalokové diagramy V a W.\r\n"
    "3) Zobrazují se dvě verze 3D diagramů: nová podle dokumentace pracovní skupiny pro mobilní služby verze 6 "
    "(\"Calculation of the total antenna loss\", testovací program HCMMS_V6.exe), stará podle starší výpočetní metody "
    "a testovacího programu HCM_MS99.exe.\r\n"
    "4) Běžné ovládání myší, Tab/Shift+Tab a zkratkami,     ESC = Zavřít,  Enter = Přenést.\r\n"
    "5) Azimut a elevaci lze nastavit kliknutím levým tlačítkem myši v diagramech.\r\n"
    "6) Nerozbalovací seznamy reagují na šipky nahoru/dolů a Page Up/Down.\r\n"
    "7) Každou grafiku lze zkopírovat do schránky a vložit do jiných aplikací.\r\n"
    "8) Tlačítko Kathrein převádí soubory anténních diagramů Kathrein *.MSI na kódy VA-99; program používá klíč "
    "registru HKEY_CURRENT_USER\\Software\\Quorla.\r\n"
    "9) Přenést předá údaje o anténě zpět modulu, který editor vyvolal.\r\n"};

}  // namespace radpattern::texts
