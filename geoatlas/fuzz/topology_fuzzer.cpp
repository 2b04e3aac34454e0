// Feeds arbitrary text to the converter's JSON and TopoJSON readers and, when they accept it,
// builds the database tables from it.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "antimeridian.h"
#include "atlas_builder.h"
#include "topology.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quorla::geoatlas;
  Topology topo;
  std::string error;
  if (!ReadTopology({reinterpret_cast<const char*>(data), size}, "countries", topo, error)) return 0;
  PlaceAntimeridianPoints(topo);
  BuiltAtlas atlas;
  BuildAtlas(topo, atlas, error);
  return 0;
}
