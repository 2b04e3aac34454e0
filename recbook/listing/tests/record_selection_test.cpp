// Choosing records for batch files: each criterion alone and together.
#include <gtest/gtest.h>

#include "listing/record_selection.h"
#include "records/item_table.h"
#include "records/record_builder.h"

namespace recbook {
namespace {

StationRecord Station(const char* country, const char* tx, const char* rx, const char* status, const char* cls) {
  StationValues v;
  v.country = country;
  v.txFrequency = tx;
  v.rxFrequency = rx;
  v.status = status;
  v.stationClass = cls;
  return BuildStationRecord(v);
}

TEST(RecordSelection, Criteria) {
  const StationRecord fixedD = Station("D", "145.5", "", "A", "FX");
  const StationRecord mobileCze = Station("CZE", "", "150", "W", "ML");
  StationRecord kiloHertz = Station("A", "", "", "A", "FB");
  SetItem(kiloHertz, Item::k1A, "00145537.50k");  // 145.5375 MHz, unit letter in lower case
  const struct {
    const char* what;
    RecordFilter filter;
    bool d, cze, a;
  } cases[] = {
      {"no criteria", {}, true, true, true},
      {"country list", {{"CZE", "A"}, {}, {}, "", 0}, false, true, true},
      {"short code padded", {{"D"}, {}, {}, "", 0}, true, false, false},
      {"band on Tx or Rx", {{}, 145.5, 150.0, "", 0}, true, true, true},
      {"band edges inclusive", {{}, 150.0, 150.0, "", 0}, false, true, false},
      {"band misses", {{}, 145.51, 145.53, "", 0}, false, false, false},
      {"kHz converted", {{}, 145.537, 145.538, "", 0}, false, false, true},
      {"status", {{}, {}, {}, "WP", 0}, false, true, false},
      {"class", {{}, {}, {}, "", 'F'}, true, false, true},
      {"all together", {{"D", "CZE"}, 140.0, 160.0, "A", 'F'}, true, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Matches(c.filter, fixedD), c.d);
    EXPECT_EQ(Matches(c.filter, mobileCze), c.cze);
    EXPECT_EQ(Matches(c.filter, kiloHertz), c.a);
  }
}

}  // namespace
}  // namespace recbook
