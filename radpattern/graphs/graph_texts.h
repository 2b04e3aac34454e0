#pragma once
// The texts drawn in the antenna editor's pictures, English and Czech.
#include "bilingual_texts.h"

namespace radpattern::texts {

using quorla::BiText;

inline constexpr BiText kHorizontal{"   Horizontal", "   Horizontální"};
inline constexpr BiText kHorizontalSuffix{" diagram (azi, EleMax=0°)", " diagram (azi, EleMax=0°)"};
inline constexpr BiText kAziMaxIs{"   AziMax =", "   AziMax ="};
inline constexpr BiText kAziMaxLabel{" = AziMax", " = AziMax"};
inline constexpr BiText kEleMaxLabel{" =EleMax", " =EleMax"};
inline constexpr BiText kTableHeading{"Horizontal diagram ", "Horizontální diagram "};
inline constexpr BiText kVertical{"Vertical", "Vertikální"};
inline constexpr BiText kVerticalSuffix{" diagram(AziMax=", " diagram(AziMax="};
inline constexpr BiText kEleMaxIs{"EleMax = ", "EleMax = "};
inline constexpr BiText kXYCaption{"Vertical diagram,  ", "Vertikální diagram,  "};
inline constexpr BiText kAttenuationDb{"attenuation [dB]", "potlačení [dB]"};
inline constexpr BiText kAzimuthalCut{"Azimuthal diagram  (testElevation = ", "Azimutální diagram  (testElevace = "};
inline constexpr BiText kVerticalCut{"Vertical diagram  (testAzimuth = ", "Vertikální diagram  (testAzimut = "};
inline constexpr BiText kOld3D{" ''Old'' 3D diag.", " ''Staré'' 3D diag."};
inline constexpr BiText kNew3D{" ''New'' 3D diag.", " ''Nové'' 3D diag."};

}  // namespace radpattern::texts
