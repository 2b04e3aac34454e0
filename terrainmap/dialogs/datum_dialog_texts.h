#pragma once
// The texts of the conversion dialog, English and Czech.
#include "bilingual_texts.h"

namespace terrainmap {

struct DatumDialogTexts {
  quorla::BiText titleStart{" Conversion of ", " Konverze geo.souřadnic "};
  quorla::BiText titleEnd{" geo.coordinates", ""};
  quorla::BiText kinds[3] = {{"Marker", "Značky"}, {"Tx", "Vysílače"}, {"Rx", "Příjmače"}};
  quorla::BiText fromSystem{"From  geodetical system :", "Z  geodetického systému :"};
  quorla::BiText coordinates{"Geo. coordin.", "Geo. souřad."};
  quorla::BiText geographicInput{" Lon, Lat  =", " Lon, Lat  ="};
  quorla::BiText planarInput{"Ylat, Xlon =", "Ylat, Xlon ="};
  quorla::BiText toWgs84{"To  WGS-84 geo.coord. =", "Do  WGS-84 geo.souř. ="};
  quorla::BiText find{"&Find geo.coord. in map", "&Najdi geo.souř. v mapě"};
};

inline constexpr DatumDialogTexts kDatumDialogTexts{};

}  // namespace terrainmap
