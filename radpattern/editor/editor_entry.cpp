#include "editor_entry.h"

namespace radpattern {

// Comparisons written so that NaN fails them and becomes 0.
float EntryAziMax(float aziMax) { return aziMax >= 0.0f && aziMax < 360.0f ? aziMax : 0.0f; }
float EntryEleMax(float eleMax) { return eleMax >= -80.0f && eleMax <= 80.0f ? eleMax : 0.0f; }
int EntryPage(int page) { return page >= 0 && page <= 4 ? page : 0; }

}  // namespace radpattern
