#pragma once
// What the antenna editor starts from, after the rules of its entry: invalid or empty codes
// become "000ND00", AziMax outside [0, 360) and EleMax outside [-80, 80] become 0, a page
// outside 0..4 becomes 0, a mode outside 0..2 is the general editor.
#include <string>

#include "bilingual_texts.h"

namespace radpattern {

struct EditorEntry {
  std::string hcode = "000ND00";
  std::string vcode = "000ND00";
  float aziMax = 0.0f;
  float eleMax = 0.0f;
  quorla::Language language = quorla::Language::English;
  std::string caption;
  int mode = 0;  // 0 general editor (Transfer disabled), 1 transmitter, 2 receiver antenna
  int page = 0;
  bool newMethod = false;
};

float EntryAziMax(float aziMax);
float EntryEleMax(float eleMax);
int EntryPage(int page);

// The values the editor hands back on Transfer.
struct EditorResult {
  std::string hcode, vcode;
  float aziMax = 0.0f, eleMax = 0.0f;
};

}  // namespace radpattern
