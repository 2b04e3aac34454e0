#pragma once
// The automatic correction of one station record: four repairs that are always made, then the ten
// switchable repairs O1 to O10 in their order, then [13X] left-aligned. Every setting that changes
// an item counts one repair, except the upper-casing, [10Z], the fixed station's blank [4D] and the
// alignment of [13X]; O8 and O9 count by their own rules (see the .cpp).
#include <bitset>
#include <cstddef>
#include <functional>

#include "records/station_record.h"

namespace recbook {

// The ten check boxes of the correction dialog, in their order on screen (O1 to O10).
enum class CorrectionOption : unsigned char {
  kLowFrequency,      // O1: [1A], [1Y] below 10 MHz become blank
  kReceiverPower,     // O2: no [1A], so no [8B1]
  kWholeCountry,      // O3: blank [4C] makes a whole-country mobile entry
  kStationClass,      // O4: [6A] from the radius of the service area
  kFixedRadius,       // O5: a fixed station's radius is 0
  kTerrainAltitude,   // O6: [4Z] from the terrain model
  kMobileStation,     // O7: a mobile station's site items
  kBandwidthFormat,   // O8: the bandwidth code of [7A]
  kAntennaCodeShape,  // O9: [9XH], [9XV] rebuilt to 3 digits, 2 letters, 2 digits
  kAntennaCodeRange,  // O10: first three digits of [9XH], [9XV] into their range
};
inline constexpr size_t kCorrectionOptionCount = 10;

class CorrectionOptions {
 public:
  CorrectionOptions() { on_.set(); }  // the dialog opens with every box ticked
  bool Has(CorrectionOption o) const { return on_.test(static_cast<size_t>(o)); }
  void Set(CorrectionOption o, bool on) { on_.set(static_cast<size_t>(o), on); }

 private:
  std::bitset<kCorrectionOptionCount> on_;
};

// Terrain altitude in metres at (lon, lat) in degrees, east and north positive; -333 or less is
// no data. An empty lookup has no data anywhere.
using TerrainLookup = std::function<float(double lon, double lat)>;

// Corrects r in place and returns the number of repairs counted.
int CorrectRecord(StationRecord& r, const CorrectionOptions& options, const TerrainLookup& terrain);

}  // namespace recbook
