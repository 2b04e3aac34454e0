// Any bytes as the public town list the demo towns are made from.
#include <cmath>
#include <string_view>
#include <vector>

#include "towns/city_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<terrainmap::City> cities;
  const bool ok = terrainmap::ParseCityList(std::string_view(reinterpret_cast<const char*>(data), size), cities);
  // Each town is a message of at least its one length byte, so there are never more towns than bytes.
  if (cities.size() > size) __builtin_trap();
  for (const terrainmap::City& c : cities) {
    if (!std::isfinite(c.lon) || !std::isfinite(c.lat)) __builtin_trap();
    if (c.name.size() > size || c.featureCode.size() > size) __builtin_trap();
  }
  (void)ok;
  return 0;
}
