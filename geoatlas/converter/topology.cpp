#include "topology.h"

#include <cmath>
#include <nlohmann/json.hpp>

namespace quorla::geoatlas {
namespace {

using Json = nlohmann::json;

// The member named key of an object, or nullptr (also when v is no object).
const Json* Member(const Json& v, std::string_view key) {
  if (!v.is_object()) return nullptr;
  const auto it = v.find(key);
  return it == v.end() ? nullptr : &*it;
}

bool IsArray(const Json* v) { return v && v->is_array(); }

// A pair of numbers [a, b, ...] (a position may carry more values); false for anything else.
bool NumberPair(const Json& v, double& a, double& b) {
  if (!v.is_array() || v.size() < 2 || !v[0].is_number() || !v[1].is_number()) return false;
  a = v[0].get<double>();
  b = v[1].get<double>();
  return true;
}

std::string TextOf(const Json* v) { return v && v->is_string() ? v->get<std::string>() : std::string(); }

bool ReadArcs(const Json& root, Topology& topo) {
  const Json* arcs = Member(root, "arcs");
  if (!IsArray(arcs)) return false;
  double sx = 1, sy = 1, tx = 0, ty = 0;
  bool quantized = false;
  if (const Json* t = Member(root, "transform")) {
    const Json *scale = Member(*t, "scale"), *translate = Member(*t, "translate");
    if (!scale || !translate || scale->size() != 2 || translate->size() != 2 || !NumberPair(*scale, sx, sy) ||
        !NumberPair(*translate, tx, ty))
      return false;
    quantized = true;
  }
  for (const Json& arc : *arcs) {
    if (!arc.is_array()) return false;
    std::vector<double> pts;
    double x = 0, y = 0;
    for (const Json& p : arc) {
      double px, py;
      if (!NumberPair(p, px, py)) return false;
      // Quantized arcs are delta-encoded positions on the integer grid.
      x = quantized ? x + px : px;
      y = quantized ? y + py : py;
      pts.push_back(quantized ? x * sx + tx : x);
      pts.push_back(quantized ? y * sy + ty : y);
    }
    topo.arcs.push_back(std::move(pts));
  }
  return true;
}

bool ReadRing(const Json& ring, size_t arcCount, std::vector<int>& out) {
  if (!ring.is_array() || ring.empty()) return false;
  for (const Json& ref : ring) {
    if (!ref.is_number()) return false;
    const double number = ref.get<double>();
    if (number < -1e9 || number > 1e9) return false;
    const int r = static_cast<int>(number);
    if (static_cast<size_t>(r < 0 ? ~r : r) >= arcCount) return false;
    out.push_back(r);
  }
  return true;
}

bool ReadPolygon(const Json& rings, size_t arcCount, std::vector<std::vector<int>>& out) {
  if (!rings.is_array() || rings.empty()) return false;
  for (const Json& ring : rings) {
    out.emplace_back();
    if (!ReadRing(ring, arcCount, out.back())) return false;
  }
  return true;
}

bool ReadFeature(const Json& g, size_t arcCount, TopoFeature& f) {
  if (const Json* id = Member(g, "id")) {
    // A numeric id is taken as a whole number; one beyond any country code is no id.
    const bool number = id->is_number() && std::abs(id->get<double>()) < 1e9;
    f.id = number ? std::to_string(static_cast<int>(id->get<double>())) : TextOf(id);
  }
  if (const Json* props = Member(g, "properties")) f.name = TextOf(Member(*props, "name"));
  const Json *type = Member(g, "type"), *arcs = Member(g, "arcs");
  const std::string kind = TextOf(type);
  if (!type || !IsArray(arcs)) return type && (kind == "GeometryCollection" || arcs == nullptr);
  if (kind == "Polygon") {
    f.polygons.emplace_back();
    return ReadPolygon(*arcs, arcCount, f.polygons.back());
  }
  if (kind != "MultiPolygon") return true;  // points and lines carry no area
  for (const Json& poly : *arcs) {
    f.polygons.emplace_back();
    if (!ReadPolygon(poly, arcCount, f.polygons.back())) return false;
  }
  return true;
}

}  // namespace

bool ReadTopology(std::string_view json, std::string_view object, Topology& topo, std::string& error) {
  topo = {};
  Json root;
  try {
    root = Json::parse(json);
  } catch (const Json::parse_error& e) {
    error = "invalid JSON at byte " + std::to_string(e.byte);
    return false;
  } catch (const Json::exception& e) {  // a number beyond a double's range
    error = std::string("invalid JSON: ") + e.what();
    return false;
  }
  if (!ReadArcs(root, topo)) {
    error = "no valid arcs in the topology";
    return false;
  }
  const Json* objects = Member(root, "objects");
  const Json* coll = objects ? Member(*objects, object) : nullptr;
  const Json* geoms = coll ? Member(*coll, "geometries") : nullptr;
  if (!IsArray(geoms)) {
    error = "no geometry collection \"" + std::string(object) + "\"";
    return false;
  }
  for (const Json& g : *geoms) {
    topo.features.emplace_back();
    if (!ReadFeature(g, topo.arcs.size(), topo.features.back())) {
      error = "invalid geometry of \"" + topo.features.back().name + "\"";
      return false;
    }
  }
  return true;
}

}  // namespace quorla::geoatlas
