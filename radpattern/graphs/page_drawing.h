#pragma once
// One editor page drawn completely into a surface, and what the mouse means over it.
#include <optional>
#include <string>

#include "drawing_surface.h"
#include "graph_state.h"
#include "page_layout.h"

namespace radpattern {

PageLayout LayoutFor(EditorPage page, const quorla::DrawingSurface& s);

// Clears the surface to white and draws the page's graph (the view flag chooses on pages 0 and 2).
void DrawPage(quorla::DrawingSurface& s, EditorPage page, const GraphState& st);

// A left click: sets AziMax (page 1), EleMax (page 3, within -80..80) or the test azimuth or
// test elevation (page 4); true when the state changed.
bool ClickOnPage(EditorPage page, const PageLayout& l, quorla::LogicalPoint p, GraphState& st);

// The readout for the cursor over a graph ("Azi =30°, Dia = 3.0 dB"); empty outside the graphs.
std::string HoverText(EditorPage page, const PageLayout& l, quorla::LogicalPoint p, const GraphState& st);

}  // namespace radpattern
