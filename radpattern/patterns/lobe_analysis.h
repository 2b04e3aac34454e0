#pragma once
// The shape of a measured diagram as the code fitting sees it: its main direction, its class
// (how many lobes, and where the second one lies) and the extent of the main lobe.
#include "msi_file.h"

namespace radpattern {

enum class LobeClass {
  Flat,          // all values equal
  NearlyOmni,    // min >= 0.89 max
  Single,
  Opposite,      // a second, equal lobe straight behind
  Two,           // a second lobe clockwise from the main one
  Three,
  Four,
};

// An angle range sampled from `from` to at most `to` in steps of `step`; indices wrap modulo 360.
struct SampleRange {
  int from = 0;
  int to = 0;
  int step = 1;
};

struct LobeAnalysis {
  LobeClass lobes = LobeClass::Flat;
  float max = 0.0f;
  float min = 0.0f;
  double dir = 0.0;    // main direction, degrees in [0, 360)
  double dir2 = 0.0;   // direction of the largest lobe outside the main one
  double delta = 0.0;  // dir2 - dir in [0, 360)
  int halfWidth = 0;   // half extent of the main lobe in whole degrees
  SampleRange mainLobe;
};

LobeAnalysis AnalyseLobes(const MeasuredDiagram& d);

// Nearest integer, halves to the even neighbour.
int RoundHalfEven(double x);

// The samples around a direction: round(centre) -/+ halfWidth, about 30 steps.
SampleRange LobeRange(double centre, int halfWidth);

}  // namespace radpattern
