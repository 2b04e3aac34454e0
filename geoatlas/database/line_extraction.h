#pragma once
// GEODWD/GEOLIW: one pass over the line index that hands out the map lines meeting the drawing
// window, filtered by country, a border line once per pass, clipped to the window.
#include <cstdint>
#include <string>
#include <vector>

#include "atlas_database.h"

namespace quorla::geoatlas {

inline constexpr int kMaxFilterCodes = 85;    // MXCTYW
inline constexpr int kMaxReturnedLines = 670;  // LSTLOK
inline constexpr int kMaxSimplified = 1001;   // MAXWRK

// A fault that makes the database unusable: the routine and the message text.
struct PassFault {
  std::string routine, text;
};

struct ExtractedLine {
  int32_t number = 0;
  char type = ' ';
  std::vector<float> points;  // lon, lat pairs in radians
};

class LinePass {
 public:
  LinePass() { WholeWorld(); }

  // GEODWD; false with the fault for more than 85 distinct codes. codes holds count 3-character codes.
  bool SetWindow(float west, float south, float east, float north, float tolerance, int32_t count,
                 const char* codes, PassFault& fault);

  enum class Step { Line, End, Fault };
  // GEOLIW's search for the next line: Line fills line, End finishes the pass (the next call starts
  // a new one over the same window), Fault fills fault.
  Step Next(const Database& db, bool xLinesAllowed, int32_t capacity, ExtractedLine& line, PassFault& fault);

 private:
  void WholeWorld();
  bool Wanted(const Database& db, const IndexRecord& r) const;

  float west_ = 0, south_ = 0, east_ = 0, north_ = 0, tolerance_ = 0;
  std::vector<Code> filter_;
  bool fixedList_ = false;
  size_t cursor_ = 0;
  std::vector<int32_t> returned_;
  std::vector<float> clipped_;
};

}  // namespace quorla::geoatlas
