#pragma once
// What the antenna editor's pictures show: the two codes, the directions of the main beam, the
// test direction of the 3D page, the scale, the view and the total-loss method.
#include <string>

#include "bilingual_texts.h"

namespace radpattern {

enum class EditorPage { Horizontal = 0, Azimuth = 1, Vertical = 2, Elevation = 3, ThreeD = 4 };
enum class Scale { Db, Linear };

struct GraphState {
  std::string hcode = "000ND00";
  std::string vcode = "000ND00";
  float aziMax = 0.0f;
  float eleMax = 0.0f;
  float testAzimuth = 0.0f;
  float testElevation = 0.0f;
  Scale scale = Scale::Db;
  // Page 0 shows the table instead of the polar graph; page 2 the polar graph instead of X,Y.
  bool alternateView = false;
  bool newMethod = false;
  quorla::Language language = quorla::Language::English;
};

}  // namespace radpattern
