#pragma once
// The 3D page: the azimuthal cut at the test elevation and the vertical cut at the test azimuth,
// from the total antenna loss of the two diagrams by the chosen method.
#include "drawing_surface.h"
#include "graph_state.h"
#include "page_layout.h"

namespace radpattern {

// Total loss in dB by the state's method; az = azimuth - AziMax, el = EleMax - elevation.
float StateTotalLoss(const GraphState& st, float az, float el);

void DrawAzimuthalCut(quorla::DrawingSurface& s, const PageLayout& l, const GraphState& st);
void DrawVerticalCut(quorla::DrawingSurface& s, const PageLayout& l, const GraphState& st);

}  // namespace radpattern
