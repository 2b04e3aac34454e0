#include "line_clip.h"

#include <algorithm>

namespace quorla::geoatlas {
namespace {

struct Pt {
  double x, y;
};

bool Inside(const Pt& p, const Box& b) { return p.x >= b.west && p.x <= b.east && p.y >= b.south && p.y <= b.north; }

Pt Clamp(const Pt& p, const Box& b) { return {std::clamp(p.x, b.west, b.east), std::clamp(p.y, b.south, b.north)}; }

// Liang-Barsky: the part [t0, t1] of segment p->q inside the box, false when none.
bool SegmentInside(const Pt& p, const Pt& q, const Box& b, double& t0, double& t1) {
  t0 = 0;
  t1 = 1;
  const double dx = q.x - p.x, dy = q.y - p.y;
  const double pp[] = {-dx, dx, -dy, dy};
  const double qq[] = {p.x - b.west, b.east - p.x, p.y - b.south, b.north - p.y};
  for (int i = 0; i < 4; ++i) {
    if (pp[i] == 0) {
      if (qq[i] < 0) return false;
      continue;
    }
    const double r = qq[i] / pp[i];
    if (pp[i] < 0) t0 = std::max(t0, r);
    else t1 = std::min(t1, r);
    if (t0 > t1) return false;
  }
  return true;
}

class Builder {
 public:
  Builder(std::vector<float>& out, const Box& box) : out_(out), box_(box) {}
  void Add(const Pt& p) {
    const float x = static_cast<float>(p.x), y = static_cast<float>(p.y);
    if (out_.size() >= 2 && out_[out_.size() - 2] == x && out_.back() == y) return;
    out_.push_back(x);
    out_.push_back(y);
  }
  // From one point on the edge to the next along the edge: a stretch whose two ends lie on
  // different sides goes through the corner(s) between them, never across the window.
  void AlongEdge(const Pt& a, const Pt& b, const Pt& rawA, const Pt& rawB) {
    const bool aHoriz = a.y == box_.south || a.y == box_.north, bHoriz = b.y == box_.south || b.y == box_.north;
    const bool aVert = a.x == box_.west || a.x == box_.east, bVert = b.x == box_.west || b.x == box_.east;
    if (a.x != b.x && a.y != b.y) {
      if (aHoriz && bVert) Add({b.x, a.y});
      else if (aVert && bHoriz) Add({a.x, b.y});
      else if (aHoriz && bHoriz) {  // top to bottom round one side
        const double side = (rawA.x > box_.east || rawB.x > box_.east) ? box_.east : box_.west;
        Add({side, a.y});
        Add({side, b.y});
      } else if (aVert && bVert) {  // left to right round the top or bottom
        const double side = (rawA.y > box_.north || rawB.y > box_.north) ? box_.north : box_.south;
        Add({a.x, side});
        Add({b.x, side});
      }
    }
    Add(b);
  }

 private:
  std::vector<float>& out_;
  const Box& box_;
};

}  // namespace

bool ClipLine(std::span<const float> line, const Box& box, std::vector<float>& out) {
  out.clear();
  const size_t n = line.size() / 2;
  if (n == 0) return false;
  Builder build(out, box);
  bool anyInside = false;
  Pt prev{line[0], line[1]};
  Pt prevOnEdge = Clamp(prev, box);
  build.Add(prevOnEdge);
  anyInside = Inside(prev, box);
  for (size_t i = 1; i < n; ++i) {
    const Pt cur{line[2 * i], line[2 * i + 1]};
    double t0 = 0, t1 = 0;
    if (SegmentInside(prev, cur, box, t0, t1)) {
      const Pt in{prev.x + t0 * (cur.x - prev.x), prev.y + t0 * (cur.y - prev.y)};
      const Pt out{prev.x + t1 * (cur.x - prev.x), prev.y + t1 * (cur.y - prev.y)};
      build.AlongEdge(prevOnEdge, Clamp(in, box), prev, in);
      build.Add(Clamp(out, box));
      prevOnEdge = Clamp(out, box);
      build.AlongEdge(prevOnEdge, Clamp(cur, box), out, cur);
      anyInside = true;
    } else {
      build.AlongEdge(prevOnEdge, Clamp(cur, box), prev, cur);
    }
    prevOnEdge = Clamp(cur, box);
    prev = cur;
  }
  if (!anyInside) out.clear();
  return anyInside;
}

}  // namespace quorla::geoatlas
