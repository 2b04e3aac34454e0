#include "country_lookup.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "sphere.h"

namespace quorla::geoatlas {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kNorthLimit = 1.4660767;   // 84°N
constexpr double kSouthLimit = -1.3700836;  // 78.5°S
constexpr double kLoadRadiusKm = 100;
constexpr double kKeepMarginKm = 3;
constexpr double kTestHalfSize = 0.002;  // window of the point-in-area test, about 12 km

// The outline of a ring: its lines' points in order, a reversed line walked backwards, and the
// point shared by two neighbouring lines taken once.
void AssembleRing(const Database& db, const std::vector<int32_t>& refs, double shift, std::vector<float>& out) {
  out.clear();
  for (int32_t ref : refs) {
    const size_t k = static_cast<size_t>(ref < 0 ? -static_cast<int64_t>(ref) : ref) - 1;
    const auto pts = db.Points(*db.lines[k]);
    const size_t n = pts.size() / 2;
    for (size_t j = 0; j < n; ++j) {
      const size_t i = ref < 0 ? n - 1 - j : j;
      const float x = static_cast<float>(pts[2 * i] + shift), y = pts[2 * i + 1];
      if (out.size() >= 2 && out[out.size() - 2] == x && out.back() == y) continue;
      out.push_back(x);
      out.push_back(y);
    }
  }
}

Box BoxOf(const std::vector<float>& pts) {
  Box b{1e9, 1e9, -1e9, -1e9};
  for (size_t i = 0; i + 1 < pts.size(); i += 2) {
    b.west = std::min<double>(b.west, pts[i]);
    b.east = std::max<double>(b.east, pts[i]);
    b.south = std::min<double>(b.south, pts[i + 1]);
    b.north = std::max<double>(b.north, pts[i + 1]);
  }
  return b;
}

bool InBox(const Box& b, double lon, double lat) {
  return lon >= b.west && lon <= b.east && lat >= b.south && lat <= b.north;
}

}  // namespace

void CountryLookup::Load(double lon, double lat) {
  ++loads_;
  haveMap_ = true;
  centreLon_ = lon;
  centreLat_ = lat;
  radiusKm_ = kLoadRadiusKm;
  loaded_.clear();
  order_.clear();
  const double dLat = radiusKm_ / kEarthRadiusKm;
  const double south = std::max(lat - dLat, -kPi / 2), north = std::min(lat + dLat, kPi / 2);
  const double widest = std::max(std::fabs(south), std::fabs(north));
  const double dLon = widest >= kPi / 2 - 1e-6 ? kPi : std::min(kPi, dLat / std::cos(widest));
  const Box box{lon - dLon, south, lon + dLon, north};
  std::vector<float> ring;
  const auto& areas = db_.table.areas;
  for (int a = 0; a < static_cast<int>(areas.size()); ++a) {
    const Window& w = areas[a].window;
    if (w.north < box.south || w.south > box.north) continue;
    for (int shift = -1; shift <= 1; ++shift) {
      const double s = shift * 2 * kPi;
      if (w.east + s < box.west || w.west + s > box.east) continue;
      Loaded l{a, shift, {}, {}, {}};
      AssembleRing(db_, areas[a].rings[0], s, ring);
      ClipOutline(ring, box, l.outline);
      if (l.outline.size() < 4) continue;
      l.box = BoxOf(l.outline);
      for (size_t r = 1; r < areas[a].rings.size(); ++r) {
        AssembleRing(db_, areas[a].rings[r], s, ring);
        std::vector<float> cut;
        ClipOutline(ring, box, cut);
        if (cut.size() >= 4) l.cutOuts.push_back(std::move(cut));
      }
      loaded_.push_back(std::move(l));
    }
  }
  for (int pass = 0; pass < 2; ++pass)  // enclaves first
    for (int i = 0; i < static_cast<int>(loaded_.size()); ++i)
      if (areas[loaded_[i].area].inner == (pass == 0)) order_.push_back(i);
}

bool CountryLookup::Contains(const Loaded& l, double lon, double lat) {
  if (!InBox(l.box, lon, lat) || !OutlineContains(l.outline, lon, lat, kTestHalfSize, scratch_)) return false;
  for (const auto& cut : l.cutOuts)
    if (OutlineContains(cut, lon, lat, kTestHalfSize, scratch_)) return false;
  return true;
}

const CountryLookup::Loaded* CountryLookup::LoadedArea(int area, int shift) const {
  for (const Loaded& l : loaded_)
    if (l.area == area && l.shift == shift) return &l;
  return nullptr;
}

Code CountryLookup::Find(double lon, double lat) {
  if (!haveMap_ || GreatCircleKm(centreLon_, centreLat_, lon, lat) > radiusKm_ - kKeepMarginKm) Load(lon, lat);
  if (lat > kNorthLimit) return {' ', ' ', ' '};
  if (lat < kSouthLimit) return {'A', 'T', 'A'};
  const double x = NearLongitude(lon, centreLon_);
  for (size_t pos = 0; pos < order_.size(); ++pos) {
    const Loaded& l = loaded_[order_[pos]];
    if (!Contains(l, x, lat)) continue;
    const Area& area = db_.table.areas[l.area];
    Code code = area.code;
    for (int inner : {area.inner1, area.inner2}) {
      if (inner < 0) continue;
      const Loaded* in = LoadedArea(inner, l.shift);
      if (in && Contains(*in, x, lat)) {
        code = db_.table.areas[inner].code;
        break;
      }
    }
    std::rotate(order_.begin(), order_.begin() + static_cast<std::ptrdiff_t>(pos), order_.begin() + static_cast<std::ptrdiff_t>(pos) + 1);
    return code;
  }
  return {' ', ' ', ' '};
}

std::vector<Code> CountryLookup::OrderList() const {
  std::vector<Code> codes;
  for (int i : order_) codes.push_back(db_.table.areas[loaded_[i].area].code);
  return codes;
}

}  // namespace quorla::geoatlas
