#pragma once
// The texts of the entry-box properties dialog, English and Czech.
#include "bilingual_texts.h"

namespace terrainmap {

struct GeoBoxPropertiesTexts {
  quorla::BiText title{" Properties of  Geo. coordinate text-boxes", " Vlastnosti  text-boxů  Geo. souřadnic"};
  quorla::BiText lonSkipsOver{"cursor skips over ''E'' ", "kurzor přeskočí ''E'' "};
  quorla::BiText latSkipsOver{"cursor skips over ''N'' ", "kurzor přeskočí ''N'' "};
  quorla::BiText selectionBegins{"Colour selection begins at:", "Barevný výběr začíná na:"};
  quorla::BiText lonStarts[3] = {{"1-st position, ...... ''0'' ", "1. pozici, ...... ''0'' "},
                                 {"2-nd position, ..... ''1'' ", "2. pozici, ...... ''1'' "},
                                 {"3-rd position, ...... ''5'' ", "3. pozici, ...... ''5'' "}};
  quorla::BiText latStarts[2] = {{"1-st position, ...... ''4'' ", "1. pozici, ...... ''4'' "},
                                 {"2-nd position, ..... ''9'' ", "2. pozici, ...... ''9'' "}};
  quorla::BiText lonExample{"Lon example  =  015 E 00 00", "Příklad Lon  =  015 E 00 00"};
  quorla::BiText latExample{"Lat example  =  49 N 00 00", "Příklad Lat  =  49 N 00 00"};
};

inline constexpr GeoBoxPropertiesTexts kGeoBoxPropertiesTexts{};

}  // namespace terrainmap
