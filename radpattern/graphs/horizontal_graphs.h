#pragma once
// The horizontal page (polar graph or value table) and the azimuth page.
#include <string>
#include <vector>

#include "drawing_surface.h"
#include "graph_state.h"
#include "page_layout.h"

namespace radpattern {

// Page 0 (maximum up) or, with turned, page 1: the diagram turned to AziMax with its marker.
void DrawHorizontalPolar(quorla::DrawingSurface& s, const PageLayout& l, const GraphState& st, bool turned);

// The heading and the 360 rows of the table: " 30°   3.0" (dB) or " 30° 0.708" (linear).
std::vector<std::string> HorizontalTableLines(const GraphState& st);
// The table in three columns of 120 rows, a row 1/TableRowsHigh() of the picture's height.
constexpr double TableRowsHigh() { return 122.0; }
void DrawHorizontalTable(quorla::DrawingSurface& s, const PageLayout& l, const GraphState& st);

// A pattern value in the current scale as the table writes it: dB with one decimal, or "#.###".
std::string ScaledValueText(float ratio, float db, Scale scale);

}  // namespace radpattern
