#include "topology.h"

#include "json_value.h"

namespace quorla::geoatlas {
namespace {

using Kind = JsonValue::Kind;

bool IsArray(const JsonValue* v) { return v && v->kind == Kind::Array; }

bool ReadArcs(const JsonValue& root, Topology& topo) {
  const JsonValue* arcs = root.Member("arcs");
  if (!IsArray(arcs)) return false;
  double sx = 1, sy = 1, tx = 0, ty = 0;
  bool quantized = false;
  if (const JsonValue* t = root.Member("transform")) {
    const JsonValue *scale = t->Member("scale"), *translate = t->Member("translate");
    if (!IsArray(scale) || !IsArray(translate) || scale->items.size() != 2 || translate->items.size() != 2) return false;
    sx = scale->items[0].number;
    sy = scale->items[1].number;
    tx = translate->items[0].number;
    ty = translate->items[1].number;
    quantized = true;
  }
  for (const JsonValue& arc : arcs->items) {
    if (arc.kind != Kind::Array) return false;
    std::vector<double> pts;
    double x = 0, y = 0;
    for (const JsonValue& p : arc.items) {
      if (p.kind != Kind::Array || p.items.size() < 2) return false;
      // Quantized arcs are delta-encoded positions on the integer grid.
      x = quantized ? x + p.items[0].number : p.items[0].number;
      y = quantized ? y + p.items[1].number : p.items[1].number;
      pts.push_back(quantized ? x * sx + tx : x);
      pts.push_back(quantized ? y * sy + ty : y);
    }
    topo.arcs.push_back(std::move(pts));
  }
  return true;
}

bool ReadRing(const JsonValue& ring, size_t arcCount, std::vector<int>& out) {
  if (ring.kind != Kind::Array || ring.items.empty()) return false;
  for (const JsonValue& ref : ring.items) {
    if (ref.kind != Kind::Number || ref.number < -1e9 || ref.number > 1e9) return false;
    const int r = static_cast<int>(ref.number);
    if (static_cast<size_t>(r < 0 ? ~r : r) >= arcCount) return false;
    out.push_back(r);
  }
  return true;
}

bool ReadPolygon(const JsonValue& rings, size_t arcCount, std::vector<std::vector<int>>& out) {
  if (rings.kind != Kind::Array || rings.items.empty()) return false;
  for (const JsonValue& ring : rings.items) {
    out.emplace_back();
    if (!ReadRing(ring, arcCount, out.back())) return false;
  }
  return true;
}

bool ReadFeature(const JsonValue& g, size_t arcCount, TopoFeature& f) {
  if (const JsonValue* id = g.Member("id")) f.id = id->kind == Kind::String ? id->text : std::to_string(static_cast<int>(id->number));
  if (const JsonValue* props = g.Member("properties"))
    if (const JsonValue* name = props->Member("name")) f.name = name->text;
  const JsonValue *type = g.Member("type"), *arcs = g.Member("arcs");
  if (!type || !IsArray(arcs)) return type && (type->text == "GeometryCollection" || arcs == nullptr);
  if (type->text == "Polygon") {
    f.polygons.emplace_back();
    return ReadPolygon(*arcs, arcCount, f.polygons.back());
  }
  if (type->text != "MultiPolygon") return true;  // points and lines carry no area
  for (const JsonValue& poly : arcs->items) {
    f.polygons.emplace_back();
    if (!ReadPolygon(poly, arcCount, f.polygons.back())) return false;
  }
  return true;
}

}  // namespace

bool ReadTopology(std::string_view json, std::string_view object, Topology& topo, std::string& error) {
  topo = {};
  JsonValue root;
  if (!ParseJson(json, root, error)) return false;
  if (!ReadArcs(root, topo)) {
    error = "no valid arcs in the topology";
    return false;
  }
  const JsonValue* objects = root.Member("objects");
  const JsonValue* coll = objects ? objects->Member(object) : nullptr;
  const JsonValue* geoms = coll ? coll->Member("geometries") : nullptr;
  if (!IsArray(geoms)) {
    error = "no geometry collection \"" + std::string(object) + "\"";
    return false;
  }
  for (const JsonValue& g : geoms->items) {
    topo.features.emplace_back();
    if (!ReadFeature(g, topo.arcs.size(), topo.features.back())) {
      error = "invalid geometry of \"" + topo.features.back().name + "\"";
      return false;
    }
  }
  return true;
}

}  // namespace quorla::geoatlas
