// Any 219 bytes, any options and any terrain height: the correction stays inside the record and
// leaves the items that the fixed repairs guarantee, and a second correction changes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "correction/record_correction.h"
#include "records/item_table.h"
#include "records/record_text.h"

using namespace recbook;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  CorrectionOptions options;
  const unsigned bits = data[0] | (data[1] << 8);
  for (size_t i = 0; i < kCorrectionOptionCount; ++i) options.Set(static_cast<CorrectionOption>(i), (bits >> i) & 1);
  int16_t height;
  std::memcpy(&height, data + 2, 2);
  const TerrainLookup terrain = [height](double, double) { return static_cast<float>(height); };
  StationRecord r = RecordFromText<StationRecord>(
      std::string_view(reinterpret_cast<const char*>(data + 4), size - 4));

  const int repairs = CorrectRecord(r, options, terrain);
  if (repairs < 0 || repairs > 40) std::abort();
  for (char c : r.bytes)
    if (c >= 'a' && c <= 'z') std::abort();
  if (IsBlankItem(ItemText(r, Item::k10Z)) || IsBlankItem(ItemText(r, Item::k8B2))) std::abort();
  const std::string_view ref = ItemText(r, Item::k13X);
  if (ref[0] == ' ' && !IsBlankItem(ref)) std::abort();
  StationRecord again = r;
  if (CorrectRecord(again, options, terrain) != 0 || std::memcmp(again.bytes, r.bytes, kRecordSize) != 0)
    std::abort();  // a corrected record needs no second correction
  return 0;
}
