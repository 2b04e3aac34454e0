#include "lobe_analysis.h"

#include <algorithm>
#include <cmath>

namespace radpattern {
namespace {

int Wrap360(int i) { return ((i % 360) + 360) % 360; }

// The middle of the run from a to b; b < a when the run wraps past 359.
double RunCentre(int a, int b) {
  double c = b < a ? (a + b + 360) / 2.0 : (a + b) / 2.0;
  if (c >= 360.0) c -= 360.0;
  return c;
}

// Main direction: the run of samples equal to max around its first index i0, extended
// backwards across 0 when i0 = 0.
double MainDirection(const MeasuredDiagram& d, int i0, float max, int& a, int& b) {
  a = i0;
  b = i0;
  int length = 1;
  if (i0 == 0) {
    while (length < 360 && d[Wrap360(a - 1)] == max) a = Wrap360(a - 1), ++length;
  }
  while (length < 360 && d[Wrap360(b + 1)] == max) b = Wrap360(b + 1), ++length;
  return RunCentre(a, b);
}

// The lobe edge seen from `start` walking by `step` (-1 or +1), at most one turn: the last
// sample below `half` before the walk rises to `half` or more again.
int LobeEdge(const MeasuredDiagram& d, int start, int step, float half, float max) {
  float low = max;
  int edge = start;
  for (int k = 0; k < 360; ++k) {
    const int i = Wrap360(start + step * k);
    if (d[i] < half) {
      low = d[i];
      edge = i;
    }
    if (d[i] > low) break;
  }
  return edge;
}

struct BackLobe {
  float value;
  double direction;
};

// Largest lobe in the samples from `right` upward to `left`: its value and the middle of its run
// of equal values (the first one met on ties).
BackLobe LargestBackLobe(const MeasuredDiagram& d, int right, int left) {
  const int count = Wrap360(left - right) + 1;
  int first = 0;
  for (int k = 1; k < count; ++k) {
    if (d[Wrap360(right + k)] > d[Wrap360(right + first)]) first = k;
  }
  const float backMax = d[Wrap360(right + first)];
  int last = first;
  while (last + 1 < count && d[Wrap360(right + last + 1)] == backMax) ++last;
  return {backMax, RunCentre(Wrap360(right + first), Wrap360(right + last))};
}

// Whether some sample in the window from..to degrees clockwise of the main direction reaches t.
// The windows are placed relative to the main direction, so a diagram whose maximum does not lie
// at 0 is classed as the same diagram turned to 0 would be.
bool WindowReaches(const MeasuredDiagram& d, int centre, int from, int to, float t) {
  for (int k = from; k <= to; ++k) {
    if (d[Wrap360(centre + k)] >= t) return true;
  }
  return false;
}

LobeClass Classify(const MeasuredDiagram& d, LobeAnalysis& s, float backMax) {
  const float t708 = 0.708f * s.max;
  if (backMax < t708) return LobeClass::Single;
  const double delta = s.delta;
  const int centre = RoundHalfEven(s.dir);
  if (delta < 3.0 || delta > 357.0) return LobeClass::Single;
  if (delta >= 110.0 && delta <= 130.0) {
    return WindowReaches(d, centre, 230, 250, t708) ? LobeClass::Three : LobeClass::Two;
  }
  if (delta >= 230.0 && delta <= 250.0) {
    return WindowReaches(d, centre, 110, 130, t708) ? LobeClass::Three : LobeClass::Two;
  }
  if (delta >= 170.0 && delta <= 190.0) {
    if (WindowReaches(d, centre, 80, 100, t708) && WindowReaches(d, centre, 260, 280, t708)) {
      return LobeClass::Four;
    }
    if (delta > 178.0 && delta < 182.0) {
      // The lobe nearer 0 degrees becomes the main one.
      if (s.dir > 90.0 && s.dir < 270.0) {
        std::swap(s.dir, s.dir2);
        s.delta = 360.0 - s.delta;
      }
      return LobeClass::Opposite;
    }
  }
  return LobeClass::Two;
}

// Samples walked from `start` by `step` while the values keep falling and stay at 0.1 max or
// more; the sample where the walk stops is counted.
int FallingRun(const MeasuredDiagram& d, int start, int step, float t01) {
  float lowest = d[Wrap360(start)];
  int count = 0;
  for (int k = 0; k < 360; ++k) {
    const float v = d[Wrap360(start + step * k)];
    ++count;
    if (v > lowest || v < t01) break;
    lowest = v;
  }
  return count;
}

}  // namespace

int RoundHalfEven(double x) {
  const double f = std::floor(x);
  const double diff = x - f;
  long long r = static_cast<long long>(f);
  if (diff > 0.5 || (diff == 0.5 && (r % 2) != 0)) ++r;
  return static_cast<int>(r);
}

SampleRange LobeRange(double centre, int halfWidth) {
  const int c = RoundHalfEven(centre);
  SampleRange range{c - halfWidth, c + halfWidth, 1};
  range.step = std::max(1, RoundHalfEven((range.to - range.from) / 30.0));
  return range;
}

LobeAnalysis AnalyseLobes(const MeasuredDiagram& d) {
  LobeAnalysis s;
  s.max = d[0];
  s.min = d[0];
  for (const float v : d) {
    s.max = std::max(s.max, v);
    s.min = std::min(s.min, v);
  }
  if (!(s.max > s.min)) return s;  // flat (or not a diagram at all): omnidirectional
  const int i0 = static_cast<int>(std::find(d.begin(), d.end(), s.max) - d.begin());
  int a = 0;
  int b = 0;
  s.dir = MainDirection(d, i0, s.max, a, b);
  if (s.min >= 0.89f * s.max) {
    s.lobes = LobeClass::NearlyOmni;
    return s;
  }

  const float half = (s.min + s.max) / 2.0f;
  const int left = LobeEdge(d, a, -1, half, s.max);
  const int right = LobeEdge(d, b, +1, half, s.max);
  const BackLobe back = LargestBackLobe(d, right, left);
  s.dir2 = back.direction;
  s.delta = s.dir2 - s.dir;
  if (s.delta < 0.0) s.delta += 360.0;
  s.lobes = Classify(d, s, back.value);
  if (s.lobes == LobeClass::Two && s.delta > 190.0) {
    // The second lobe then lies clockwise within 190 degrees of the main one.
    std::swap(s.dir, s.dir2);
    s.delta = 360.0 - s.delta;
  }

  const int c = static_cast<int>(s.dir);
  const float t01 = 0.1f * s.max;
  const int n = FallingRun(d, c, -1, t01) + FallingRun(d, c + 1, +1, t01);
  s.halfWidth = RoundHalfEven(n / 2.0);
  s.mainLobe = LobeRange(s.dir, s.halfWidth);
  return s;
}

}  // namespace radpattern
