#include "item_table.h"

#include "record_text.h"

namespace recbook {
namespace {

constexpr bool Contiguous(const auto& table) {
  size_t column = 1;
  for (const ItemSpec& s : table) {
    if (s.start != column) return false;
    column += s.width;
  }
  return column == kRecordSize + 1;
}
static_assert(Contiguous(kStationItems), "station items must cover 219 columns without gaps");
static_assert(Contiguous(kHeaderItems), "header items must cover 219 columns without gaps");

void Put(char* bytes, const ItemSpec& s, std::string_view text) {
  const std::string fixed = FixWidth(text, s.width);
  std::memcpy(bytes + s.offset(), fixed.data(), s.width);
}

}  // namespace

void SetItem(StationRecord& r, Item item, std::string_view text) { Put(r.bytes, Spec(item), text); }
void SetItem(HeaderRecord& r, HeaderItem item, std::string_view text) { Put(r.bytes, Spec(item), text); }

}  // namespace recbook
