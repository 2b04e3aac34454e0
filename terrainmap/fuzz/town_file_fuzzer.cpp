// Any bytes as the town-name file ".bdt", the number of names wanted taken from the first byte.
#include <string>

#include "testing/fuzz_scratch.h"
#include "overlays/town_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const size_t wanted = data[0] == 255 ? 9999 : data[0];
  const std::string path = quorla::fuzz::WriteInput("obcejme.bdt", data + 1, size - 1);
  std::vector<terrainmap::TownName> towns;
  if (terrainmap::ReadTownFile(path, wanted, towns) != quorla::InputStatus::Ok) __builtin_trap();
  if (towns.size() > wanted || towns.size() > (size - 1) / terrainmap::kTownRecordBytes) __builtin_trap();
  for (const terrainmap::TownName& t : towns) {
    if (t.name.size() > 10 || t.name.find('\0') != std::string::npos) __builtin_trap();
    if (!(t.lon > 11 && t.lat >= 46)) __builtin_trap();
  }
  return 0;
}
