#include "antimeridian.h"

#include <cmath>

namespace quorla::geoatlas {
namespace {

bool OnMeridian(double lon) { return std::fabs(lon) >= 180.0 - 1e-9; }

// +1 east, -1 west, 0 when the arc lies wholly on the meridian.
int SideOf(const std::vector<double>& arc) {
  double sum = 0;
  int n = 0;
  for (size_t i = 0; i < arc.size(); i += 2)
    if (!OnMeridian(arc[i])) {
      sum += arc[i];
      ++n;
    }
  return n == 0 ? 0 : (sum > 0 ? 1 : -1);
}

void Place(std::vector<double>& arc, int side) {
  for (size_t i = 0; i < arc.size(); i += 2)
    if (OnMeridian(arc[i])) arc[i] = side > 0 ? 180.0 : -180.0;
}

}  // namespace

void PlaceAntimeridianPoints(Topology& topo) {
  std::vector<int> side(topo.arcs.size());
  for (size_t a = 0; a < topo.arcs.size(); ++a) {
    side[a] = SideOf(topo.arcs[a]);
    if (side[a] != 0) Place(topo.arcs[a], side[a]);
  }
  // Arcs on the meridian take the side of a neighbouring arc in a ring; a chain of them needs
  // as many rounds as it is long.
  for (bool changed = true; changed;) {
    changed = false;
    for (const TopoFeature& f : topo.features)
      for (const auto& poly : f.polygons)
        for (const auto& ring : poly)
          for (size_t i = 0; i < ring.size(); ++i) {
            const size_t a = static_cast<size_t>(ring[i] < 0 ? ~ring[i] : ring[i]);
            if (side[a] != 0) continue;
            for (size_t j : {(i + ring.size() - 1) % ring.size(), (i + 1) % ring.size()}) {
              const int s = side[static_cast<size_t>(ring[j] < 0 ? ~ring[j] : ring[j])];
              if (s == 0) continue;
              side[a] = s;
              Place(topo.arcs[a], s);
              changed = true;
              break;
            }
          }
  }
}

}  // namespace quorla::geoatlas
