#pragma once
// The countries of a TopoJSON topology: the decoded arcs (degrees) and, per country, its
// polygons as rings of arc references (i, or ~i for arc i walked backwards).
#include <string>
#include <string_view>
#include <vector>

namespace quorla::geoatlas {

struct TopoFeature {
  std::string id;    // ISO 3166 numeric code, empty when the feature has none
  std::string name;
  std::vector<std::vector<std::vector<int>>> polygons;  // polygon -> rings (outer first) -> arc refs
};

struct Topology {
  std::vector<std::vector<double>> arcs;  // lon, lat pairs in degrees
  std::vector<TopoFeature> features;
};

// Reads the collection `object` ("countries") of a TopoJSON text; false with a message.
bool ReadTopology(std::string_view json, std::string_view object, Topology& topology, std::string& error);

}  // namespace quorla::geoatlas
