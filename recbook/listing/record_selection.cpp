#include "listing/record_selection.h"

#include <algorithm>

#include "records/item_table.h"
#include "records/record_text.h"

namespace recbook {
namespace {

bool InBand(std::optional<double> mhz, double lo, double hi) { return mhz && *mhz >= lo && *mhz <= hi; }

}  // namespace

bool Matches(const RecordFilter& f, const StationRecord& r) {
  if (!f.countries.empty()) {
    const std::string_view country = ItemText(r, Item::k4B);
    if (std::none_of(f.countries.begin(), f.countries.end(),
                     [&](const std::string& c) { return FixWidth(c, 3) == country; }))
      return false;
  }
  if (f.bandLowMHz && f.bandHighMHz) {
    const double lo = *f.bandLowMHz, hi = *f.bandHighMHz;
    if (!InBand(FrequencyMHz(ItemText(r, Item::k1A)), lo, hi) && !InBand(FrequencyMHz(ItemText(r, Item::k1Y)), lo, hi))
      return false;
  }
  if (!f.statuses.empty() && f.statuses.find(ItemText(r, Item::k13Y)[0]) == std::string::npos) return false;
  if (f.stationClass != 0 && ItemText(r, Item::k6A)[0] != f.stationClass) return false;
  return true;
}

}  // namespace recbook
