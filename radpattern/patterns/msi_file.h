#pragma once
// Measured antenna diagrams from a Kathrein pattern file (*.MSI): a six-line header (name,
// frequency, gain and three lines not used here) and 360 "angle attenuation" entries for the
// horizontal and, after one more line, for the vertical diagram.
#include <array>
#include <iosfwd>
#include <string>

#include "bilingual_texts.h"
#include "input_file.h"

namespace radpattern {

inline constexpr int kMsiOk = 0;
inline constexpr int kMsiNotKathrein = 1;  // a header keyword is missing or the header is cut short
inline constexpr int kMsiTooShort = 2;     // the data part ends early or an entry is out of sequence

using MeasuredDiagram = std::array<float, 360>;  // field ratio (<= 1) per whole degree

struct MsiPattern {
  std::string name;
  double frequencyMHz = 0.0;
  double gainDbi = 0.0;       // the file's gain in dBd + 2.1
  MeasuredDiagram horizontal{};  // azimuth clockwise from the reference direction
  MeasuredDiagram vertical{};    // tilt: 0 = horizon, growing downward
};

// The largest pattern file read: 727 lines of a few dozen characters each fit many times over.
inline constexpr size_t kMaxMsiFileBytes = 1 << 20;

// Reads the file at path into out. Lines may end in CR LF, LF or CR. A file that cannot be read
// (missing, not a regular file, over kMaxMsiFileBytes) gives result 1 and, in fileStatus, why.
// Any content is safe: over-long lines are cut, reading stops after the last line needed.
int ReadMsiFile(const std::string& path, MsiPattern& out, quorla::InputStatus* fileStatus = nullptr);
int ReadMsi(std::istream& in, MsiPattern& out);

// The message shown for results 1 and 2 (empty for 0).
quorla::BiText MsiReadMessage(int result);

}  // namespace radpattern
