#pragma once
// The button texts the library's dialogs share.
#include "bilingual_texts.h"

namespace terrainmap {

inline constexpr quorla::BiText kOkButton{"&OK", "&OK"};
inline constexpr quorla::BiText kCancelButton{"&Cancel", "&Zrušit"};

}  // namespace terrainmap
