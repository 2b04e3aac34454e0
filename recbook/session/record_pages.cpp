#include "session/record_pages.h"

#include "records/item_table.h"

namespace recbook {

std::vector<PageItem> StationPageItems(const StationRecord& record) {
  std::vector<PageItem> items;
  items.reserve(kStationItems.size());
  for (const ItemSpec& spec : kStationItems)
    items.push_back({std::string(spec.code), std::string(spec.meaning),
                     std::string(record.text().substr(spec.offset(), spec.width))});
  return items;
}

std::vector<PageItem> HeaderPageItems(const HeaderRecord& header) {
  std::vector<PageItem> items;
  for (const ItemSpec& spec : kHeaderItems) {
    if (spec.meaning.empty()) continue;  // the filler
    items.push_back({"", std::string(spec.meaning), std::string(header.text().substr(spec.offset(), spec.width))});
  }
  return items;
}

}  // namespace recbook
