#include "point_in_area.h"

#include <cmath>
#include <numbers>

namespace quorla::geoatlas {
namespace {

// One Sutherland-Hodgman pass against the half plane coordinate[axis] >= limit (sign +1) or
// <= limit (sign -1).
void ClipEdge(const std::vector<float>& in, int axis, double limit, double sign, std::vector<float>& out) {
  out.clear();
  const size_t n = in.size() / 2;
  if (n == 0) return;
  auto inside = [&](size_t i) { return sign * (in[2 * i + axis] - limit) >= 0; };
  size_t prev = n - 1;
  bool prevIn = inside(prev);
  for (size_t i = 0; i < n; ++i) {
    const bool curIn = inside(i);
    if (curIn != prevIn) {
      const double a = in[2 * prev + axis], b = in[2 * i + axis];
      const double t = (limit - a) / (b - a);
      const double o0 = in[2 * prev + (1 - axis)], o1 = in[2 * i + (1 - axis)];
      const float cut = static_cast<float>(limit), other = static_cast<float>(o0 + t * (o1 - o0));
      out.push_back(axis == 0 ? cut : other);
      out.push_back(axis == 0 ? other : cut);
    }
    if (curIn) {
      out.push_back(in[2 * i]);
      out.push_back(in[2 * i + 1]);
    }
    prev = i;
    prevIn = curIn;
  }
}

}  // namespace

void ClipOutline(std::span<const float> outline, const Box& box, std::vector<float>& out) {
  std::vector<float> a(outline.begin(), outline.end()), b;
  ClipEdge(a, 0, box.west, +1, b);
  ClipEdge(b, 0, box.east, -1, a);
  ClipEdge(a, 1, box.south, +1, b);
  ClipEdge(b, 1, box.north, -1, out);
}

bool OutlineContains(std::span<const float> outline, double lon, double lat, double halfSize,
                     std::vector<float>& scratch) {
  ClipOutline(outline, {lon - halfSize, lat - halfSize, lon + halfSize, lat + halfSize}, scratch);
  const size_t n = scratch.size() / 2;
  if (n <= 1) return false;
  const double scale = std::cos(lat);
  for (size_t i = 0; i < n; ++i)
    if (scratch[2 * i] == static_cast<float>(lon) && scratch[2 * i + 1] == static_cast<float>(lat)) return true;
  auto azimuth = [&](size_t i) {
    const double dx = (scratch[2 * i] - lon) * scale, dy = scratch[2 * i + 1] - lat;
    return static_cast<int>(std::lround(std::atan2(dx, dy) * 180 / std::numbers::pi));
  };
  const int first = azimuth(0);
  int prev = first, total = 0;
  for (size_t i = 1; i <= n; ++i) {
    const int cur = i == n ? first : azimuth(i);
    int change = ((cur - prev) % 360 + 360) % 360;  // 0..359
    if (change == 180) return true;                 // on the outline
    if (change > 180) change -= 360;                // -179..+179
    total += change;
    prev = cur;
  }
  return total != 0;
}

}  // namespace quorla::geoatlas
