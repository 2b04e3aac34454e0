// Any bytes as a station record through its list line, and any item text through the list's
// numeric columns. Invariants: the line ends in the record number, every view holds the same
// characters, and each numeric column shows what MaskedItem shows of the lenient value.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "lenient_number.h"
#include "listing/list_line.h"
#include "listing/masked_number.h"
#include "records/picture_mask.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto record = recbook::RecordFromText<recbook::StationRecord>(bytes);
  const uint32_t k = static_cast<uint32_t>(size % 10000000);
  const std::string line = recbook::BuildListLine(record, k);
  if (line.size() != recbook::kListLineSize || recbook::RecordNumberOf(line) != k) __builtin_trap();
  for (auto view : {recbook::ListView::B, recbook::ListView::C}) {
    std::string shown = recbook::ConvertLineView(line, recbook::ListView::A, view);
    if (recbook::ConvertLineView(shown, view, recbook::ListView::A) != line) __builtin_trap();
    std::string a = line, b = shown;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    if (a != b) __builtin_trap();
  }

  // The first bytes, at most 16, as one item under each mask the list uses.
  const std::string_view item = bytes.substr(0, 16);
  const int masks[][2] = {{5, 4}, {4, 1}, {4, 0}, {5, 0}};
  for (const auto& m : masks) {
    std::string mask(static_cast<size_t>(m[0]), '#');
    if (m[1] > 0) mask += '.' + std::string(static_cast<size_t>(m[1]), '#');
    std::string out(mask.size(), '?');
    recbook::WriteMaskedNumber(item, m[0], m[1], out.data());
    if (out != recbook::MaskedItem(quorla::LenientNumber(item), mask)) __builtin_trap();
  }
  return 0;
}
