#pragma once
// The items of the station record and of the header record: code, start column (1-based) and
// width. The widths add up to 219 with no gaps.
#include <array>
#include <cstdint>
#include <string_view>

#include "station_record.h"

namespace recbook {

enum class Item : uint8_t {
  k1A, k1Z, k6A, k6B, k6Z, k10Z, k2C, k4A, k4B, k4C, k4D, k4Z, k7A, k8B1, k8B2, k9A, k9B, k9D, k9G, k9Y,
  k9XH, k9XV, k1Y, k13Z, k13Y, k2W, k2Z, k13X
};
inline constexpr size_t kStationItemCount = 28;

struct ItemSpec {
  std::string_view code;     // "[1A]"
  uint8_t start;             // first column, 1-based
  uint8_t width;
  std::string_view meaning;  // the agreement's name of the item
  constexpr size_t offset() const { return start - 1u; }
};

inline constexpr std::array<ItemSpec, kStationItemCount> kStationItems{{
    {"[1A]", 1, 12, "Transmitting frequency"},
    {"[1Z]", 13, 1, "Frequency category"},
    {"[6A]", 14, 2, "Class of station"},
    {"[6B]", 16, 2, "Nature of service"},
    {"[6Z]", 18, 2, "Category of use"},
    {"[10Z]", 20, 1, "Channel occupation"},
    {"[2C]", 21, 8, "Date of bringing into use"},
    {"[4A]", 29, 20, "Name of station"},
    {"[4B]", 49, 3, "Country"},
    {"[4C]", 52, 15, "Geographic co-ordinates"},
    {"[4D]", 67, 5, "Radius of service area"},
    {"[4Z]", 72, 4, "Altitude of the station site above sea level"},
    {"[7A]", 76, 9, "Designation of emission"},
    {"[8B1]", 85, 6, "Maximum radiated power"},
    {"[8B2]", 91, 1, "Type of reference antenna"},
    {"[9A]", 92, 5, "Azimuth of maximum radiation"},
    {"[9B]", 97, 5, "Elevation of maximum radiation"},
    {"[9D]", 102, 2, "Polarisation"},
    {"[9G]", 104, 4, "Gain of receiving antenna"},
    {"[9Y]", 108, 4, "Height of antenna above ground"},
    {"[9XH]", 112, 7, "Horizontal antenna pattern code"},
    {"[9XV]", 119, 7, "Vertical antenna pattern code"},
    {"[1Y]", 126, 12, "Reception frequency"},
    {"[13Z]", 138, 50, "Remarks"},
    {"[13Y]", 188, 1, "Status of co-ordination"},
    {"[2W]", 189, 8, "Date of co-ordination request"},
    {"[2Z]", 197, 8, "Final date for achieving co-ordination"},
    {"[13X]", 205, 15, "Co-ordination reference"},
}};

constexpr const ItemSpec& Spec(Item item) { return kStationItems[static_cast<size_t>(item)]; }

enum class HeaderItem : uint8_t {
  kFileNumber, kDescription, kContentsCode, kCountry, kPerson, kPhone, kTelefax, kTelex, kCount,
  kWritingDate, kFiller
};
inline constexpr size_t kHeaderItemCount = 11;

inline constexpr std::array<ItemSpec, kHeaderItemCount> kHeaderItems{{
    {"file-number", 1, 2, "File number"},
    {"description", 3, 80, "Description of file contents"},
    {"contents-code", 83, 1, "File contents code"},
    {"country", 84, 3, "Country"},
    {"person", 87, 40, "Name of responsible person"},
    {"phone", 127, 20, "Phone"},
    {"telefax", 147, 20, "Telefax"},
    {"telex", 167, 20, "Telex / E-mail"},
    {"count", 187, 6, "Number of records in file"},
    {"writing-date", 193, 8, "Writing date"},
    {"filler", 201, 19, ""},
}};

constexpr const ItemSpec& Spec(HeaderItem item) { return kHeaderItems[static_cast<size_t>(item)]; }

// The characters of an item, a view into the record.
inline std::string_view ItemText(const StationRecord& r, Item item) {
  return r.text().substr(Spec(item).offset(), Spec(item).width);
}
inline std::string_view ItemText(const HeaderRecord& r, HeaderItem item) {
  return r.text().substr(Spec(item).offset(), Spec(item).width);
}

// Replaces an item's characters; text is fixed to the item width first.
void SetItem(StationRecord& r, Item item, std::string_view text);
void SetItem(HeaderRecord& r, HeaderItem item, std::string_view text);

}  // namespace recbook
