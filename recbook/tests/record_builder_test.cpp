#include <gtest/gtest.h>

#include "records/item_table.h"
#include "records/record_builder.h"

using namespace recbook;

namespace {

StationValues MobileStation() {
  StationValues v;
  v.txFrequency = "145.5375";
  v.frequencyCategory = "1";
  v.stationClass = "ML";
  v.natureOfService = "CP";
  v.categoryOfUse = "A";
  v.channelOccupation = "0";
  v.dateInUse = "01-02-2003";
  v.name = "PRAHA";
  v.country = "CZE";
  v.longitude = "014 E 25 00";
  v.latitude = "50 N 05 00";
  v.radius = "25";
  v.emission = "16K0F3E";
  v.power = "10";
  v.referenceAntenna = "E";
  v.polarisation = "V";
  v.antennaHeight = "3";
  v.patternH = "000ND00";
  v.patternV = "000ND00";
  v.rxFrequency = "";
  v.status = "A";
  v.requestDate = "07-12-2026";
  v.reference = "CZE24000123011";
  return v;
}

}  // namespace

TEST(RecordBuilder, ItemsLandInTheirColumns) {
  const StationRecord r = BuildStationRecord(MobileStation());
  EXPECT_EQ(ItemText(r, Item::k1A), "  145.53750M");
  EXPECT_EQ(ItemText(r, Item::k2C), "01022003");
  EXPECT_EQ(ItemText(r, Item::k4C), "014E250050N0500");
  EXPECT_EQ(ItemText(r, Item::k4D), "   25");
  EXPECT_EQ(ItemText(r, Item::k8B1), "  10.0");
  EXPECT_EQ(ItemText(r, Item::k9A), "     ");  // mobile: blank azimuth stays blank
  EXPECT_EQ(ItemText(r, Item::k9G), "    ");
  EXPECT_EQ(ItemText(r, Item::k9Y), "   3");
  EXPECT_EQ(ItemText(r, Item::k1Y), "           M");
  EXPECT_EQ(ItemText(r, Item::k2W), "07122026");
  EXPECT_EQ(ItemText(r, Item::k2Z), "        ");
  EXPECT_EQ(ItemText(r, Item::k13X), "CZE24000123011 ");
}

TEST(RecordBuilder, ZeroRadiusAndNegativeElevationAreWrittenAsNumbers) {
  StationValues v = MobileStation();
  v.stationClass = "FX";
  v.radius = "0";
  v.elevation = "-2.5";
  v.azimuth = "0";
  const StationRecord r = BuildStationRecord(v);
  EXPECT_EQ(ItemText(r, Item::k4D), "    0");
  EXPECT_EQ(ItemText(r, Item::k9B), " -2.5");
  EXPECT_EQ(ItemText(r, Item::k9A), "  0.0");
}

TEST(RecordBuilder, OverlongTextsAreCutAndTheRecordStays219) {
  StationValues v = MobileStation();
  v.name = std::string(40, 'X');
  v.remarks = std::string(80, 'r');
  v.emission = "16K0F3EJN-TOO-LONG";
  const StationRecord r = BuildStationRecord(v);
  EXPECT_EQ(ItemText(r, Item::k4A), std::string(20, 'X'));
  EXPECT_EQ(ItemText(r, Item::k4B), "CZE");
  EXPECT_EQ(ItemText(r, Item::k7A), "16K0F3EJN");
  EXPECT_EQ(ItemText(r, Item::k13Z), std::string(50, 'r'));
}

TEST(RecordBuilder, HeaderTextIs200Characters) {
  HeaderValues h;
  h.fileNumber = "7";
  h.description = "Overall list of fixed stations";
  h.contentsCode = "O";
  h.country = "CZE";
  h.person = "J. Novak";
  h.telex = "novak@example.org";
  h.recordCount = "12";
  h.writingDate = "07-12-2026";
  const std::string t = BuildHeaderText(h);
  ASSERT_EQ(t.size(), 200u);
  EXPECT_EQ(t.substr(0, 2), "07");
  EXPECT_EQ(t.substr(82, 4), "OCZE");
  EXPECT_EQ(t.substr(186, 14), "00001207122026");
}

TEST(RecordBuilder, HeaderCountsPastSixDigitsStayDigits) {
  const std::pair<uint64_t, const char*> cases[] = {{0, "000000"}, {12, "000012"}, {999999, "999999"},
                                                    {1000000, "999999"}, {25000000, "999999"}};
  for (const auto& [records, item] : cases) EXPECT_EQ(HeaderCountItem(records), item) << records;
}
