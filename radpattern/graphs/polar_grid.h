#pragma once
// The frame, radial lines, rings and labels of a polar graph.
#include <vector>

#include "drawing_surface.h"
#include "graph_state.h"
#include "polar_geometry.h"

namespace radpattern {

enum class GridKind {
  Compass,      // horizontal and azimuthal graphs: "N", "30", ... clockwise from the top
  Elevation,    // the right half: +90 at the top, 0 to the right, -90 at the bottom
  Elevation3D,  // the full circle of the 3D vertical cut, the back half labelled past +-90
};

inline constexpr quorla::Rgb kCurveColour = quorla::MakeRgb(255, 0, 0);
inline constexpr quorla::Rgb kFittedColour = quorla::MakeRgb(200, 0, 0);
inline constexpr quorla::Rgb kMarkerColour = quorla::MakeRgb(0, 0, 255);

// The field ratios of the rings (the outer circle E = 1 is always drawn).
std::vector<double> RingRatios(Scale scale);

void DrawPolarGrid(quorla::DrawingSurface& s, const PolarGeometry& g, GridKind kind, Scale scale);

// A curve in the graph's curve colour through points at clock angles with field ratios.
void DrawPolarCurve(quorla::DrawingSurface& s, const PolarGeometry& g,
                    const std::vector<std::pair<double, double>>& anglesAndRatios,
                    quorla::Rgb colour = kCurveColour);

// The blue dashed line from the centre towards a clock angle.
void DrawMarker(quorla::DrawingSurface& s, const PolarGeometry& g, double clockAngle);

// The font of the captions ("MS Sans Serif") at a height in logical units.
quorla::FontSpec CaptionFont(double height);

}  // namespace radpattern
