#include "viewer/station_transfer.h"

#include <cmath>
#include <cstring>

#include "lenient_number.h"
#include "records/item_table.h"
#include "records/record_text.h"

namespace recbook {
namespace {

template <size_t N>
void CopyItem(char (&to)[N], const StationRecord& r, Item item) {
  std::memcpy(to, ItemText(r, item).data(), N);
}

float Value(const StationRecord& r, Item item) { return static_cast<float>(quorla::LenientNumber(ItemText(r, item))); }

}  // namespace

void WriteStationTransfer(const StationRecord& r, TransferSide side, void* area) {
  StationTransfer t;
  std::memcpy(&t, area, sizeof t);
  const bool tx = side == TransferSide::Tx;
  const std::optional<double> mhz = FrequencyMHz(ItemText(r, tx ? Item::k1A : Item::k1Y));
  t.frequencyMHz = static_cast<double>(static_cast<float>(mhz.value_or(0.0)));
  if (tx) {
    CopyItem(t.category, r, Item::k1Z);
    CopyItem(t.occupation, r, Item::k10Z);
    t.powerDbw = Value(r, Item::k8B1);
  } else {
    t.gainDb = Value(r, Item::k9G);
  }
  CopyItem(t.name, r, Item::k4A);
  CopyItem(t.country, r, Item::k4B);
  const std::string_view position = ItemText(r, Item::k4C);
  std::memcpy(t.longitude, position.data(), 8);
  std::memcpy(t.latitude, position.data() + 8, 7);
  t.radiusKm = static_cast<int32_t>(std::lround(quorla::LenientNumber(ItemText(r, Item::k4D))));
  CopyItem(t.altitude, r, Item::k4Z);
  CopyItem(t.emission, r, Item::k7A);
  CopyItem(t.referenceAntenna, r, Item::k8B2);
  t.azimuth = Value(r, Item::k9A);
  t.elevation = Value(r, Item::k9B);
  CopyItem(t.polarisation, r, Item::k9D);
  t.heightM = Value(r, Item::k9Y);
  CopyItem(t.patternH, r, Item::k9XH);
  CopyItem(t.patternV, r, Item::k9XV);
  std::memcpy(area, &t, sizeof t);
}

}  // namespace recbook
