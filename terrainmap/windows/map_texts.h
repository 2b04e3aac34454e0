#pragma once
// The status and legend texts of the map drawing.
#include "bilingual_texts.h"

namespace terrainmap::map_texts {

using quorla::BiText;

inline constexpr BiText kReadingAltitudes{" Reading altitudes from DTM  ...  wait please (or Close)",
                                          " Čtu výšky z DMT  ...  počkejte prosím (nebo Zavřít)"};
inline constexpr BiText kMapDrawing{" Map drawing  ...  wait please", " Kreslím mapu  ...  počkejte prosím"};
inline constexpr BiText kOrbisBorders{" ORBIS borders drawing ... wait please",
                                      " Kreslím hranice ORBIS ... počkejte prosím"};
inline constexpr BiText kHcmBorders{" HCM borders drawing ... wait please", " Kreslím hranice HCM ... počkejte prosím"};
inline constexpr BiText kRoads{" Roads drawing ... wait please", " Kreslím silnice ... počkejte prosím"};
inline constexpr BiText kTowns{" Towns drawing ... wait please", " Kreslím obce ... počkejte prosím"};
inline constexpr BiText kNonInterpolated{"  Non-interpolated altitudes in DTM files  ",
                                         "  Neinterpolované výšky v souborech DMT  "};
inline constexpr BiText kTerritory{"  Territory covered by DTM-HCM files  ", "  Území pokryté soubory DMT-HCM  "};

}  // namespace terrainmap::map_texts
