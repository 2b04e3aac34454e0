#pragma once
// The antenna code whose computed pattern fits a measured diagram best, and the direction of its
// maximum.
#include <string>

#include "msi_file.h"

namespace radpattern {

struct FitResult {
  std::string code;        // 7 characters, valid
  double direction = 0.0;  // degrees in [0, 360), to one decimal
};

// Classifies the diagram by its lobes and searches the codes of that class (every step in its
// fixed order; on equal errors the first candidate wins). A flat diagram gives "000ND00" at 0.
// Negative directions from the direction search are given as the same direction in [0, 360).
FitResult FitPattern(const MeasuredDiagram& d);

// code + "," + direction formatted "###.#" (five characters, blank-padded): "000ND00,  0.0".
std::string FitResultText(const FitResult& fit);

// Elevation of the main beam (upward positive) from the tilt direction of a vertical fit:
// a maximum at tilt 3 gives -3, one at tilt 357 gives +3.
double ElevationOfMaximum(double tiltDirection);

}  // namespace radpattern
