#include "line_simplify.h"

#include <cmath>
#include <utility>

namespace quorla::geoatlas {
namespace {

double DistanceToChord(const float* p, const float* a, const float* b) {
  const double dx = b[0] - a[0], dy = b[1] - a[1];
  const double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? ((p[0] - a[0]) * dx + (p[1] - a[1]) * dy) / len2 : 0;
  t = t < 0 ? 0 : (t > 1 ? 1 : t);
  return std::hypot(p[0] - (a[0] + t * dx), p[1] - (a[1] + t * dy));
}

}  // namespace

void SimplifyLine(std::vector<float>& line, double tolerance) {
  const size_t n = line.size() / 2;
  if (n < 3) return;
  std::vector<bool> keep(n, false);
  keep[0] = keep[n - 1] = true;
  std::vector<std::pair<size_t, size_t>> stack{{0, n - 1}};
  while (!stack.empty()) {
    const auto [first, last] = stack.back();
    stack.pop_back();
    double worst = -1;
    size_t at = first;
    for (size_t i = first + 1; i < last; ++i) {
      const double d = DistanceToChord(&line[2 * i], &line[2 * first], &line[2 * last]);
      if (d > worst) {
        worst = d;
        at = i;
      }
    }
    if (worst > tolerance) {
      keep[at] = true;
      stack.push_back({first, at});
      stack.push_back({at, last});
    }
  }
  size_t w = 0;
  for (size_t i = 0; i < n; ++i) {
    if (!keep[i]) continue;
    line[2 * w] = line[2 * i];
    line[2 * w + 1] = line[2 * i + 1];
    ++w;
  }
  line.resize(2 * w);
}

}  // namespace quorla::geoatlas
