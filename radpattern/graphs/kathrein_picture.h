#pragma once
// The picture of the Kathrein window: the file's texts, its measured horizontal and vertical
// diagrams in two polar graphs and, after a conversion, the fitted codes' curves over them.
#include <optional>
#include <string>

#include "bilingual_texts.h"
#include "drawing_surface.h"
#include "msi_file.h"
#include "polar_geometry.h"

namespace radpattern {

struct KathreinFit {
  std::string hcode, vcode;
  double aziMax = 0.0;     // horizontal direction of the maximum
  double tilt = 0.0;       // vertical direction of the maximum, as a tilt (downward positive)
  double eleMax = 0.0;     // the same as an elevation (upward positive)
};

struct KathreinPicture {
  std::string fileName, directory;
  const MsiPattern* pattern = nullptr;  // nothing drawn but the frame when empty
  std::optional<KathreinFit> fit;
  quorla::Language language = quorla::Language::English;
};

// The geometry of the two graphs on a surface of the given logical size.
struct KathreinLayout {
  PolarGeometry horizontal, vertical;
};
KathreinLayout LayoutKathrein(double width, double height);

void DrawKathreinPicture(quorla::DrawingSurface& s, const KathreinPicture& p);

// The black frame round the whole picture that a copy to the clipboard carries, and drawn over
// again in the colour of the top-left pixel afterwards.
void DrawPictureFrame(quorla::DrawingSurface& s, quorla::Rgb colour);

}  // namespace radpattern
