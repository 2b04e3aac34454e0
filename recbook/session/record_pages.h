#pragma once
// What the record and header pages show: the items of one record, one line each (code, meaning,
// the item's characters as stored). The pages show; they do not edit.
#include <string>
#include <vector>

#include "records/station_record.h"

namespace recbook {

struct PageItem {
  std::string code;     // "[1A]"; for the header the meaning alone
  std::string meaning;  // the agreement's name of the item
  std::string value;    // the stored characters (single-byte, shown as Latin-1)
};

std::vector<PageItem> StationPageItems(const StationRecord& record);
// The header's items without the filler.
std::vector<PageItem> HeaderPageItems(const HeaderRecord& header);

}  // namespace recbook
