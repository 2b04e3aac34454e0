#pragma once
// The vertical page (X,Y graph or polar graph) and the elevation page.
#include "drawing_surface.h"
#include "graph_state.h"
#include "page_layout.h"

namespace radpattern {

// The attenuation shown at the bottom of the X,Y graph in the dB scale; larger values are cut.
inline constexpr double kXYMaxDb = 40.0;

// Elevation difference e (horizontal axis, -90..90) and the value against it.
void DrawVerticalXY(quorla::DrawingSurface& s, const PageLayout& l, const GraphState& st);

// Page 2's polar view or, with turned, page 3: the diagram turned to EleMax with its marker.
void DrawVerticalPolar(quorla::DrawingSurface& s, const PageLayout& l, const GraphState& st, bool turned);

// The elevation a clock angle of a vertical polar graph stands for: the right half reads
// 90 - angle, the left (back) half mirrors it.
double ElevationOfClockAngle(int clockAngle);

}  // namespace radpattern
