#include "page_layout.h"

#include <algorithm>

namespace radpattern {

PageLayout LayoutPage(EditorPage page, double width, double height) {
  PageLayout l;
  l.width = width;
  l.height = height;
  l.textBand = 0.12 * height;
  const double free = height - l.textBand;
  const double midY = l.textBand + free / 2;
  switch (page) {
    case EditorPage::ThreeD: {
      const double r = std::min(0.19 * width, 0.37 * free);
      l.polar = {{0.25 * width, midY}, r};
      l.second = {{0.75 * width, midY}, r};
      break;
    }
    case EditorPage::Vertical:
    case EditorPage::Elevation: {
      // The right half of a polar graph: elevations from +90 (top) to -90 (bottom).
      const double r = std::min(0.6 * width, 0.38 * free);
      l.polar = {{width / 2 - 0.6 * r, midY}, r};
      break;
    }
    default:
      l.polar = {{width / 2, midY}, std::min(0.4 * width, 0.38 * free)};
  }
  l.plot = {0.1 * width, l.textBand + 0.06 * height, 0.95 * width, height - 0.08 * height};
  return l;
}

}  // namespace radpattern
