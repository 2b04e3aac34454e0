#include "atlas_builder.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

#include "country_codes.h"

namespace quorla::geoatlas {
namespace {

constexpr double kDeg = std::numbers::pi / 180;
constexpr int kFixedListSize = 30;
// The "R13" pass: the border lines nearest to the centre of the Czech and Slovak Republics.
constexpr double kFixedCentreLon = 17.0 * kDeg, kFixedCentreLat = 49.5 * kDeg;

Code ToCode(const std::string& s) { return {s[0], s[1], s[2]}; }

struct Piece {
  char type;
  Code first, second;
  std::vector<float> points;
};

bool OnCutEdge(const std::vector<double>& a, size_t i) {
  const double x0 = a[2 * i], y0 = a[2 * i + 1], x1 = a[2 * i + 2], y1 = a[2 * i + 3];
  const bool meridian = std::fabs(x0) >= 179.999 && std::fabs(x1) >= 179.999 && (x0 > 0) == (x1 > 0);
  return meridian || (y0 <= -89.99 && y1 <= -89.99);
}

Window WindowOf(const std::vector<float>& pts) {
  Window w{1e9f, 1e9f, -1e9f, -1e9f};
  for (size_t i = 0; i + 1 < pts.size(); i += 2) {
    w.west = std::min(w.west, pts[i]);
    w.east = std::max(w.east, pts[i]);
    w.south = std::min(w.south, pts[i + 1]);
    w.north = std::max(w.north, pts[i + 1]);
  }
  return w;
}

// Cuts an arc into runs along or off the artificial edges, then into pieces of at most
// kMaxPointsPerLine points; neighbouring pieces share their end point.
void CutArc(const std::vector<double>& arc, char type, Code a, Code b, std::vector<Piece>& out) {
  const size_t n = arc.size() / 2;
  size_t start = 0;
  while (start + 1 < n) {
    const bool cut = OnCutEdge(arc, start);
    size_t end = start + 1;
    while (end + 1 < n && OnCutEdge(arc, end) == cut && end - start + 1 < static_cast<size_t>(kMaxPointsPerLine)) ++end;
    Piece p{cut ? 'X' : type, a, b, {}};
    for (size_t i = start; i <= end; ++i) {
      p.points.push_back(static_cast<float>(arc[2 * i] * kDeg));
      p.points.push_back(static_cast<float>(arc[2 * i + 1] * kDeg));
    }
    out.push_back(std::move(p));
    start = end;
  }
}

std::string RingKey(const std::vector<int>& ring) {
  std::vector<int> arcs;
  for (int r : ring) arcs.push_back(r < 0 ? ~r : r);
  std::sort(arcs.begin(), arcs.end());
  std::string key;
  for (int a : arcs) key += std::to_string(a) + ",";
  return key;
}

class Builder {
 public:
  Builder(const Topology& t, BuiltAtlas& out) : t_(t), out_(out) {}

  bool Run(std::string& error) {
    if (!Codes(error)) return false;
    Lines();
    Areas();
    Index();
    FixedList();
    return true;
  }

 private:
  bool Codes(std::string& error) {
    for (const TopoFeature& f : t_.features) {
      const std::string c = CountryCodeOf(f.id, f.name);
      if (c.empty()) {
        error = "no country code for \"" + f.name + "\" (" + f.id + ")";
        return false;
      }
      codes_.push_back(ToCode(c));
    }
    return true;
  }

  void Lines() {
    std::vector<std::vector<int>> users(t_.arcs.size());
    for (size_t f = 0; f < t_.features.size(); ++f)
      for (const auto& poly : t_.features[f].polygons)
        for (const auto& ring : poly)
          for (int r : ring) {
            auto& u = users[static_cast<size_t>(r < 0 ? ~r : r)];
            if (std::find(u.begin(), u.end(), static_cast<int>(f)) == u.end()) u.push_back(static_cast<int>(f));
          }
    arcPieces_.resize(t_.arcs.size());
    for (size_t a = 0; a < t_.arcs.size(); ++a) {
      const auto& u = users[a];
      if (u.empty()) continue;
      const Code first = codes_[u[0]];
      Code second = first;
      for (int f : u)
        if (codes_[f] != first) second = codes_[f];
      const char type = u.size() == 1 ? 'C' : (second == first ? 'I' : 'B');
      const size_t before = pieces_.size();
      CutArc(t_.arcs[a], type, first, second, pieces_);
      for (size_t k = before; k < pieces_.size(); ++k) arcPieces_[a].push_back(static_cast<int32_t>(k));
    }
    for (size_t k = 0; k < pieces_.size(); ++k) {
      const Piece& p = pieces_[k];
      out_.lines.push_back({kFirstLineNumber + static_cast<int32_t>(k), p.points});
      if (p.type == 'B' && (IsAgreementCountry({p.first.data(), 3}) || IsAgreementCountry({p.second.data(), 3}))) {
        const bool swap = !IsAgreementCountry({p.first.data(), 3});
        out_.borders.push_back({swap ? p.second : p.first, swap ? p.first : p.second, p.points});
      }
    }
  }

  std::vector<int32_t> Refs(const std::vector<int>& ring) const {
    std::vector<int32_t> refs;
    for (int r : ring) {
      const auto& pieces = arcPieces_[static_cast<size_t>(r < 0 ? ~r : r)];
      if (r >= 0)
        for (int32_t k : pieces) refs.push_back(k + 1);
      else
        for (auto it = pieces.rbegin(); it != pieces.rend(); ++it) refs.push_back(-(*it + 1));
    }
    return refs;
  }

  Window RingWindow(const std::vector<int32_t>& refs) const {
    std::vector<float> pts;
    for (int32_t ref : refs) {
      const auto& p = pieces_[static_cast<size_t>(std::abs(ref) - 1)].points;
      pts.insert(pts.end(), p.begin(), p.end());
    }
    return WindowOf(pts);
  }

  void Areas() {
    auto& areas = out_.table.areas;
    std::map<std::string, int32_t> byOutline;
    std::vector<const std::vector<std::vector<int>>*> polygons;
    for (size_t f = 0; f < t_.features.size(); ++f)
      for (const auto& poly : t_.features[f].polygons) {
        Area a;
        a.code = codes_[f];
        a.rings.push_back(Refs(poly[0]));
        a.window = RingWindow(a.rings[0]);
        byOutline.emplace(RingKey(poly[0]), static_cast<int32_t>(areas.size()));
        areas.push_back(std::move(a));
        polygons.push_back(&poly);
      }
    for (size_t i = 0; i < areas.size(); ++i) {
      const auto& poly = *polygons[i];
      for (size_t h = 1; h < poly.size(); ++h) {
        const auto it = byOutline.find(RingKey(poly[h]));
        Area& a = areas[i];
        if (it != byOutline.end() && a.inner2 < 0) {
          (a.inner1 < 0 ? a.inner1 : a.inner2) = it->second;
          areas[static_cast<size_t>(it->second)].inner = true;
        } else {
          a.rings.push_back(Refs(poly[h]));  // a hole beyond two inner areas, or an empty one
        }
      }
    }
  }

  void Index() {
    for (size_t k = 0; k < pieces_.size(); ++k) {
      const Piece& p = pieces_[k];
      IndexRecord r;
      r.code = p.first;
      r.type = p.type;
      r.number = kFirstLineNumber + static_cast<int32_t>(k);
      r.pointCount = static_cast<uint16_t>(p.points.size() / 2);
      r.entry = 'P';
      r.window = WindowOf(p.points);
      out_.index.push_back(r);
      if (p.type == 'B') {  // a border is found under both countries' codes
        r.code = p.second;
        r.entry = 'S';
        out_.index.push_back(r);
      }
    }
  }

  void FixedList() {
    std::vector<std::pair<double, int32_t>> near;
    for (size_t k = 0; k < pieces_.size(); ++k) {
      if (pieces_[k].type != 'B') continue;
      const Window w = WindowOf(pieces_[k].points);
      const double dx = ((w.west + w.east) / 2 - kFixedCentreLon) * std::cos(kFixedCentreLat);
      const double dy = (w.south + w.north) / 2 - kFixedCentreLat;
      near.push_back({std::hypot(dx, dy), kFirstLineNumber + static_cast<int32_t>(k)});
    }
    std::sort(near.begin(), near.end());
    for (size_t i = 0; i < near.size() && i < static_cast<size_t>(kFixedListSize); ++i)
      out_.table.fixedList.push_back(near[i].second);
    std::sort(out_.table.fixedList.begin(), out_.table.fixedList.end());
  }

  const Topology& t_;
  BuiltAtlas& out_;
  std::vector<Code> codes_;
  std::vector<Piece> pieces_;
  std::vector<std::vector<int32_t>> arcPieces_;
};

}  // namespace

bool BuildAtlas(const Topology& topology, BuiltAtlas& atlas, std::string& error) {
  atlas = {};
  return Builder(topology, atlas).Run(error);
}

}  // namespace quorla::geoatlas
