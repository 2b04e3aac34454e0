#pragma once
// Where the graphs of each editor page lie on a surface of a given logical size. The drawing and
// the mouse mapping both take their geometry from here.
#include "graph_state.h"
#include "polar_geometry.h"

namespace radpattern {

struct PlotRect {
  double left = 0, top = 0, right = 0, bottom = 0;
};

struct PageLayout {
  double width = 0, height = 0;
  double textBand = 0;    // the caption rows at the top
  PolarGeometry polar;    // the page's polar graph; the azimuthal cut on the 3D page
  PolarGeometry second;   // the vertical cut on the 3D page
  PlotRect plot;          // the X,Y graph of the vertical page
};

PageLayout LayoutPage(EditorPage page, double width, double height);

}  // namespace radpattern
