#include "pattern_value.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "antenna_types.h"
#include "code_fields.h"
#include "degrees.h"

namespace radpattern {
namespace {

const float kDeg = kRadiansPerDegree;
const float kSqrt2 = std::sqrt(2.0f);
const float kDbPerNeper = static_cast<float>(20.0 / std::log(10.0));  // -20 log10(e) = -kDbPerNeper ln(e)

// Shape constants of the two-lobe types for every beam-width step n (0..9) and envelope letter
// A..I, computed once with the same single-precision operations as a per-call evaluation would.
struct TwoLobeShape {
  float g, u, v, w, z;
};

struct Tables {
  std::array<float, 121> cosX;  // cos of the first field X in degrees, X = 0..120
  std::array<std::array<TwoLobeShape, 9>, 10> twoLobe;
};

constexpr float kEnvelopeSize[9] = {0.00001f, 0.05f, 0.1f, 0.15f, 0.2f, 0.25f, 0.3f, 0.35f, 0.4f};

Tables BuildTables() {
  Tables t{};
  for (int x = 0; x <= 120; ++x) t.cosX[x] = std::cos(static_cast<float>(x) * kDeg);
  for (int n = 0; n <= 9; ++n) {
    const float h = static_cast<float>(5 * n + 15) * kDeg;
    const float sinH = std::sin(h);
    const float cosH = std::cos(h);
    for (int letter = 0; letter < 9; ++letter) {
      const float f = kEnvelopeSize[letter];
      const float g = ((1.0f + f) / 2.0f) * ((1.0f + f) / 2.0f);
      const float d = cosH / kSqrt2 - (1.0f - f) / 2.0f;
      const float b = (g / 2.0f) * sinH * sinH / (g - d * d);
      const float v = f * b * g;
      t.twoLobe[n][letter] = {g, b - g, v, b * b * g - v, (1.0f - f) * b / 2.0f};
    }
  }
  return t;
}

// Built when the library loads, so that a call pays no initialisation guard.
const Tables kTables = BuildTables();
const Tables& Table() { return kTables; }

float Radicand(float r) { return r < 0.0f ? 0.0f : r; }

float Lobe(const TwoLobeShape& s, float x) {
  return (s.z * x + std::sqrt(Radicand(s.w * x * x + s.v))) / (s.u * x * x + s.g);
}

// E of the symmetric multi-lobe types CA, CB, CC with g = cos(lobes * phi).
float MultiLobe(float k, float g) {
  const float a = 1.0f - k * k;
  const float s = std::sqrt(Radicand(a * a * g * g + 4.0f * k * k));
  return std::sqrt(Radicand((a * g + s) / 2.0f));
}

// A main lobe over a back level: EB (back 0.2) and EC (back 0.4).
struct BackedLobe {
  float coefficient, scale, shift, back, front, rear;
};
// EB uses 0.72 = 0.5 * 1.44 so that it is 3.01 dB down at the half beam width like EA and EC.
constexpr BackedLobe kEB = {0.72f, 1.44f, 0.8f, 0.2f, 1.6f, 2.4f};
constexpr BackedLobe kEC = {0.98f, 1.96f, 0.6f, 0.4f, 1.2f, 2.8f};

float Backed(const BackedLobe& p, float c1, float c) {
  const float q = 1.0f - c1 * c1;
  const float d = kSqrt2 * c1 - p.shift;
  const float b = p.coefficient * q / (p.scale - d * d);
  const float t = Radicand((b - p.back) * b * c * c + p.back * b);
  return (p.front * b * c + p.rear * std::sqrt(t)) / (p.scale + (4.0f * b - p.scale) * c * c);
}

// E of the one- and two-letter types other than V and W (EA may go down to -1 behind the
// antenna). False when the type is unknown or the first field is out of its range.
bool SingleShape(char t1, char t2, int x, float r, float phi, float& e) {
  // The rows of the type table, found once when compiling.
  static constexpr const AntennaTypeRange& kRangeEA = *FindAntennaType("EA");
  static constexpr const AntennaTypeRange& kRangeDE = *FindAntennaType("DE");
  static constexpr const AntennaTypeRange& kRangeEB = *FindAntennaType("EB");
  static constexpr const AntennaTypeRange& kRangeEC = *FindAntennaType("EC");
  static constexpr const AntennaTypeRange& kRangeLA = *FindAntennaType("LA");
  static constexpr const AntennaTypeRange& kRangeKA = *FindAntennaType("KA");
  static constexpr const AntennaTypeRange& kRangeCA = *FindAntennaType("CA");
  static constexpr const AntennaTypeRange& kRangeCB = *FindAntennaType("CB");
  static constexpr const AntennaTypeRange& kRangeCC = *FindAntennaType("CC");
  const auto inRange = [x](const AntennaTypeRange& row) { return x >= row.firstFrom && x <= row.firstTo; };
  const auto cosPhi = [phi] { return std::cos(phi * kDeg); };
  if ((t1 == 'E' && t2 == 'A') || (t1 == 'D' && t2 == 'E')) {
    if (!inRange(t1 == 'E' ? kRangeEA : kRangeDE)) return false;
    const float c1 = Table().cosX[x];
    const float q = 1.0f - c1 * c1;
    const float c = cosPhi();
    float b;
    if (t1 == 'E') {
      const float d = kSqrt2 * c1 - 1.0f;
      b = 0.5f * q / (1.0f - d * d);
    } else {
      const float d = 2.0f * c1 - kSqrt2;
      b = q / (2.0f - d * d);
    }
    e = 4.0f * b * c / (1.0f + (4.0f * b - 1.0f) * c * c);
    if (t1 == 'D') e = std::fabs(e);  // equal front and back lobes
    return true;
  }
  if (t1 == 'E' && (t2 == 'B' || t2 == 'C')) {
    if (!inRange(t2 == 'B' ? kRangeEB : kRangeEC)) return false;
    e = Backed(t2 == 'B' ? kEB : kEC, Table().cosX[x], cosPhi());
    return true;
  }
  if (t1 == 'L' && t2 == 'A') {
    if (!inRange(kRangeLA)) return false;
    const float psi = phi * kDeg;
    const float xr = static_cast<float>(x) * kDeg;
    if (std::fabs(psi) > 1.5f * xr) {
      e = r;
    } else {
      const float w = std::cos(kPi * psi / (3.0f * xr));
      e = std::cos(kPi * (1.0f - w) / 2.0f);
    }
    return true;
  }
  const bool ka = t1 == 'K' && t2 == 'A';
  const bool multi = t1 == 'C' && t2 >= 'A' && t2 <= 'C';
  if (!(ka || multi) || !inRange(ka ? kRangeKA : t2 == 'A' ? kRangeCA : t2 == 'B' ? kRangeCB : kRangeCC)) return false;
  const float k = static_cast<float>(x) / 100.0f;
  if (ka) {
    const float c = cosPhi();
    const float s = std::sqrt(Radicand((1.0f - k) * (1.0f - k) * c * c + 4.0f * k));
    e = ((1.0f - k) * c + s) / 2.0f;
  } else {
    const float lobes = static_cast<float>(t2 - 'A' + 2);
    e = MultiLobe(k, std::cos(lobes * phi * kDeg));
  }
  return true;
}

// E of the two-lobe types; false for an envelope letter outside A..I.
bool TwoLobes(std::string_view code, float phi, float& e) {
  const int letter = code[4] - 'A';
  if (letter < 0 || letter > 8) return false;
  const int n = code[0] - '0';
  const float m2 = static_cast<float>(2 * ((code[1] - '0') * 10 + (code[2] - '0')));
  const TwoLobeShape& s = Table().twoLobe[n][letter];
  e = std::max(Lobe(s, std::cos(phi * kDeg)), Lobe(s, std::cos((phi - m2) * kDeg)));
  if (code[3] == 'W') {
    const bool between = phi >= 0.0f && phi <= m2;
    const float envelope = between ? 0.35f + static_cast<float>(code[6] - '0') / 20.0f
                                   : static_cast<float>(code[5] - '0') / 20.0f;
    e = std::max(e, envelope);
  }
  return true;
}

}  // namespace

float PatternValue(std::string_view code, float angle, int mode) {
  const CodeFields f = SplitCodeFields(code);
  if (!f.digits) return -1.0f;
  const char t1 = code[3];
  const char t2 = code[4];
  if (t1 == 'N' && t2 == 'D') return mode == kPatternDb ? 0.0f : 1.0f;

  // Fold the angle into [-180, 180). Angles in [-180, 540) fold by one turn or none; angles
  // further out are reduced by whole turns, so that every direction gets its own value.
  float phi = angle;
  if (phi >= 180.0f || phi < -180.0f) phi -= 360.0f * std::floor((phi + 180.0f) / 360.0f);

  const float r = static_cast<float>(f.r) / 100.0f;
  float e = 0.0f;
  const bool valid = (t1 == 'V' || t1 == 'W') ? TwoLobes(code, phi, e) : SingleShape(t1, t2, f.x, r, phi, e);
  if (!valid) return -1.0f;
  if (t1 != 'W') e = std::max(r, e);  // radius envelope
  e = std::max(0.01f, e);             // at most 40 dB
  e = std::min(1.0f, e);
  // log10 through the natural logarithm: the same value to a few units in the last place, at a
  // fraction of the cost of the library's log10f.
  return mode == kPatternDb ? 0.0f - kDbPerNeper * std::log(e) : e;
}

}  // namespace radpattern
