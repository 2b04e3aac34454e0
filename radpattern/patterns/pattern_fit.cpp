#include "pattern_fit.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <string_view>
#include <vector>

#include "antenna_code.h"
#include "antenna_types.h"
#include "lobe_analysis.h"
#include "pattern_value.h"

namespace radpattern {
namespace {

// A candidate code under construction: first field, type, last field.
struct CodeText {
  char c[7];
  CodeText(int first, std::string_view type, int last) {
    c[0] = static_cast<char>('0' + first / 100);
    c[1] = static_cast<char>('0' + first / 10 % 10);
    c[2] = static_cast<char>('0' + first % 10);
    c[3] = type[0];
    c[4] = type[1];
    SetLast(last);
  }
  void SetLast(int last) {
    c[5] = static_cast<char>('0' + last / 10);
    c[6] = static_cast<char>('0' + last % 10);
  }
  std::string_view View() const { return {c, 7}; }
};

float Sample(const MeasuredDiagram& d, int i) { return d[((i % 360) + 360) % 360]; }

// The samples of a lobe region with their weights, gathered once per search.
struct WeightedSamples {
  std::vector<int> angle;
  std::vector<float> value;
  std::vector<float> weight;
};

enum class Weighting { Shape, Value, None };

WeightedSamples Gather(const MeasuredDiagram& d, const SampleRange& r, Weighting w) {
  WeightedSamples s;
  for (int j = r.from; j <= r.to; j += r.step) {
    const float v = Sample(d, j);
    s.angle.push_back(j);
    s.value.push_back(v);
    s.weight.push_back(w == Weighting::Shape ? std::pow(v, 0.33f) : w == Weighting::Value ? v : 1.0f);
  }
  return s;
}

double LobeError(std::string_view code, double direction, const WeightedSamples& s) {
  double sum = 0.0;
  for (size_t k = 0; k < s.angle.size(); ++k) {
    const float pv = PatternValue(code, static_cast<float>(s.angle[k] - direction), kPatternRatio);
    const double e = s.weight[k] * (s.value[k] - pv);
    sum += e * e;
  }
  return sum;
}

// Unweighted error over the whole diagram, every `step` degrees from 0.
double DiagramError(const MeasuredDiagram& d, std::string_view code, double direction, int step) {
  double sum = 0.0;
  for (int i = 0; i < 360; i += step) {
    const double e = d[i] - PatternValue(code, static_cast<float>(i - direction), kPatternRatio);
    sum += e * e;
  }
  return sum;
}

// The best candidate so far: strictly smaller errors replace it, so the first of equals stays.
struct Best {
  CodeText code{0, "ND", 0};
  double direction = 0.0;
  double error = std::numeric_limits<double>::infinity();
  bool any = false;
  void Offer(const CodeText& c, double dir, double err) {
    if (!any || err < error) {
      code = c;
      direction = dir;
      error = err;
      any = true;
    }
  }
};

// The 13 directions tried around dir: 0, -h/36 ... -h/6, then +h/36 ... +h/6.
std::vector<double> SearchDirections(double dir, int halfWidth) {
  std::vector<double> directions{dir};
  for (int k = 1; k <= 6; ++k) directions.push_back(dir - k * halfWidth / 36.0);
  for (int k = 1; k <= 6; ++k) directions.push_back(dir + k * halfWidth / 36.0);
  return directions;
}

// The last field 00..99 that fits the whole diagram best for the first five characters of code.
Best BestLastField(const MeasuredDiagram& d, CodeText code, double direction) {
  Best best;
  for (int last = 0; last <= 99; ++last) {
    code.SetLast(last);
    best.Offer(code, direction, DiagramError(d, code.View(), direction, 1));
  }
  return best;
}

// Single-lobe and opposite-lobe classes: every type in the order given and every valid first field
// with the last field 00 over the 13 directions by the lobe error, then the last field by the
// whole diagram.
Best SearchLobeTypes(const MeasuredDiagram& d, const LobeAnalysis& s, std::initializer_list<std::string_view> types,
                     Weighting w) {
  const WeightedSamples samples = Gather(d, s.mainLobe, w);
  const std::vector<double> directions = SearchDirections(s.dir, s.halfWidth);
  Best best;
  for (const std::string_view type : types) {
    const AntennaTypeRange& range = *FindAntennaType(type);
    for (int x = range.firstFrom; x <= range.firstTo; ++x) {
      const CodeText code(x, type, 0);
      for (const double dir : directions) best.Offer(code, dir, LobeError(code.View(), dir, samples));
    }
  }
  return BestLastField(d, best.code, best.direction);
}

// Two lobes: beam width by the main lobe, lobe separation by the second lobe, then the envelope
// letter and the last field over the whole diagram every 6 degrees.
Best SearchTwoLobes(const MeasuredDiagram& d, const LobeAnalysis& s) {
  const int m0 = std::min(99, RoundHalfEven(s.delta / 2.0));
  const WeightedSamples mainSamples = Gather(d, s.mainLobe, Weighting::Value);
  Best first;
  for (int n = 0; n <= 9; ++n) {
    const CodeText code(n * 100 + m0, "VE", 0);
    for (const double dir : SearchDirections(s.dir, s.halfWidth)) {
      first.Offer(code, dir, LobeError(code.View(), dir, mainSamples));
    }
  }
  const int n = first.code.c[0] - '0';
  const double direction = first.direction;

  const WeightedSamples secondSamples = Gather(d, LobeRange(s.dir2, s.halfWidth), Weighting::Value);
  const int m1 = RoundHalfEven((s.delta - (direction - s.dir)) / 2.0);
  Best second;
  for (int m = std::max(0, m1 - 5); m <= std::min(99, m1 + 5); ++m) {
    const CodeText code(n * 100 + m, "VE", 0);
    second.Offer(code, direction, LobeError(code.View(), direction, secondSamples));
  }
  const int m = second.any ? (second.code.c[1] - '0') * 10 + (second.code.c[2] - '0') : 0;

  Best best;
  for (const char kind : kLobeKinds) {
    for (char letter = kLobeLetterFirst; letter <= kLobeLetterLast; ++letter) {
      const char type[2] = {kind, letter};
      CodeText code(n * 100 + m, std::string_view(type, 2), 0);
      for (int last = 0; last <= 99; ++last) {
        code.SetLast(last);
        best.Offer(code, direction, DiagramError(d, code.View(), direction, 6));
      }
    }
  }
  return best;
}

// Three or four symmetric lobes at the main direction.
Best SearchSymmetricLobes(const MeasuredDiagram& d, const LobeAnalysis& s, std::string_view type) {
  const WeightedSamples samples = Gather(d, s.mainLobe, Weighting::None);
  const AntennaTypeRange& range = *FindAntennaType(type);
  Best best;
  for (int x = range.firstFrom; x <= range.firstTo; ++x) {
    const CodeText code(x, type, 0);
    best.Offer(code, s.dir, LobeError(code.View(), s.dir, samples));
  }
  return BestLastField(d, best.code, s.dir);
}

// Nearly omnidirectional: the cardioid and multi-lobe types with shallow minima.
Best SearchNearlyOmni(const MeasuredDiagram& d, double dir) {
  Best best;
  for (const std::string_view type : {"KA", "CA", "CB", "CC"}) {
    for (int x = 90; x <= 100; ++x) {
      CodeText code(x, type, 0);
      for (int last = 90; last <= 99; ++last) {
        code.SetLast(last);
        best.Offer(code, dir, DiagramError(d, code.View(), dir, 3));
      }
    }
  }
  return best;
}

Best Search(const MeasuredDiagram& d, const LobeAnalysis& s) {
  switch (s.lobes) {
    case LobeClass::NearlyOmni:
      return SearchNearlyOmni(d, s.dir);
    case LobeClass::Single:
      return SearchLobeTypes(d, s, {"EA", "EB", "EC", "LA", "KA"}, Weighting::Shape);
    case LobeClass::Opposite:
      return SearchLobeTypes(d, s, {"DE", "CA"}, Weighting::Value);
    case LobeClass::Two:
      return SearchTwoLobes(d, s);
    case LobeClass::Three:
      return SearchSymmetricLobes(d, s, "CB");
    case LobeClass::Four:
      return SearchSymmetricLobes(d, s, "CC");
    case LobeClass::Flat:
      break;
  }
  return Best{};
}

}  // namespace

FitResult FitPattern(const MeasuredDiagram& d) {
  const LobeAnalysis s = AnalyseLobes(d);
  if (s.lobes == LobeClass::Flat) return {std::string(kOmnidirectionalCode), 0.0};
  const Best best = Search(d, s);
  // To the tenth of a degree that the result text shows, then into [0, 360).
  double direction = std::round(best.direction * 10.0) / 10.0;
  if (direction >= 360.0) direction -= 360.0;
  if (direction < 0.0) direction += 360.0;
  if (direction == 0.0) direction = 0.0;  // no "-0.0"
  return {std::string(best.code.View()), direction};
}

std::string FitResultText(const FitResult& fit) {
  char text[32];
  std::snprintf(text, sizeof text, "%s,%5.1f", fit.code.c_str(), fit.direction);
  return text;
}

double ElevationOfMaximum(double tiltDirection) {
  const double elevation = tiltDirection < 180.0 ? -tiltDirection : 360.0 - tiltDirection;
  return elevation == 0.0 ? 0.0 : elevation;  // no "-0.0"
}

}  // namespace radpattern
