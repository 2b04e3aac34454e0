// List lines built from records by hand, item by item from the line layout.
#include <gtest/gtest.h>

#include <random>

#include "listing/list_line.h"
#include "records/item_table.h"
#include "records/picture_mask.h"
#include "records/record_builder.h"
#include "records/record_text.h"

namespace recbook {
namespace {

StationValues Munich() {
  StationValues v;
  v.txFrequency = "145.5375";
  v.frequencyCategory = "2";
  v.stationClass = "FB";
  v.natureOfService = "CP";
  v.categoryOfUse = "OT";
  v.name = "MUENCHEN-FREIMANN";
  v.country = "D";
  v.longitude = "011 E 35 20";
  v.latitude = "48 N 10 05";
  v.radius = "0";
  v.power = "10.5";
  v.antennaHeight = "25";
  v.patternH = "000ND00";
  v.patternV = "000ND00";
  v.rxFrequency = "150.1";
  v.status = "A";
  v.requestDate = "01-02-2003";
  v.finalDate = "15-06-2004";
  v.reference = "D  030001230111";
  return v;
}

struct LineCase {
  const char* what;
  StationRecord record;
  uint32_t k;
  std::string base, a, b, c;
};

std::vector<LineCase> Cases() {
  std::vector<LineCase> cases;
  cases.push_back({"full fixed station", BuildStationRecord(Munich()), 42,
                   "D  " " " "MUENCHEN-FREI." "  " "FB" " " "2" "  " "011E3520,48N1005" "  145.5375",
                   "  150.1000" "  10.5" "  25" "   ND  " "A",
                   "    0" "  " "CP" "  " "OT" "  " "2004-06-15" "  " "A",
                   "   " "A" "   " "D__,03-000123-01,1,1" " "});

  // Receiver only, blank items: blanks in the masked columns, 0000-00-00, all "?" in the reference.
  StationValues rx;
  rx.country = "CZE";
  rx.name = "PRAHA";
  rx.stationClass = "ML";
  rx.frequencyCategory = "1";
  rx.patternH = "000ND00";
  rx.patternV = "010DR05";
  rx.status = "P";
  StationRecord rxRecord = BuildStationRecord(rx);
  SetItem(rxRecord, Item::k1Y, "00145537.50K");
  cases.push_back({"blank items, kHz, directional", rxRecord, 1,
                   "CZE" " " "PRAHA         " "  " "ML" " " "1" "  " "        ,       " "          ",
                   "  145.5375" "      " "    " "  Dir  " "P",
                   "     " "  " "  " "  " "  " "  " "0000-00-00" "  " "P",
                   "   " "P" "   " "???,??" "-??????" "-??,?,?" " "});

  // A name whose 14th character is a blank is kept; negative power; a reference with leading
  // blanks and blanks in its groups; request date later than the final date.
  StationValues odd = Munich();
  odd.name = "NAME OF 13 CH SITE";
  odd.power = "-5";
  odd.antennaHeight = "";
  odd.patternH = "";
  odd.patternV = "";
  odd.radius = "";
  odd.requestDate = "31-12-2010";
  odd.finalDate = "";
  odd.txFrequency = "0.5";
  StationRecord r = BuildStationRecord(odd);
  SetItem(r, Item::k13X, "  HNG 5 12 4");
  cases.push_back({"13-character name, negative power", r, 1234567,
                   "D  " " " "NAME OF 13 CH " "  " "FB" " " "2" "  " "011E3520,48N1005" "    0.5000",
                   "  150.1000" "  -5.0" "    " "   ND  " "A",
                   "     " "  " "CP" "  " "OT" "  " "2010-12-31" "  " "A",
                   "   " "A" "   " "HNG,?5-?12?4?-??,?,?" " "});
  return cases;
}

std::string Number(uint32_t k) {
  std::string s = std::to_string(k);
  return std::string(7 - s.size(), '0') + s;
}

TEST(ListLine, ViewsFromTheLayout) {
  for (const LineCase& c : Cases()) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(c.base.size(), kBaseSize);
    ASSERT_EQ(c.a.size(), kSegmentSize);
    ASSERT_EQ(c.b.size(), kSegmentSize);
    ASSERT_EQ(c.c.size(), kSegmentSize);
    const std::string five(5, ' '), tag(3, ' ');
    const std::string viewA = tag + c.base + c.a + five + c.b + c.c + Number(c.k);
    const std::string viewB = tag + c.base + c.c + five + c.a + c.b + Number(c.k);
    const std::string viewC = tag + c.base + c.b + five + c.a + c.c + Number(c.k);
    const std::string line = BuildListLine(c.record, c.k);
    EXPECT_EQ(line, viewA);
    EXPECT_EQ(ConvertLineView(line, ListView::A, ListView::B), viewB);
    EXPECT_EQ(ConvertLineView(line, ListView::A, ListView::C), viewC);
    EXPECT_EQ(ConvertLineView(viewB, ListView::B, ListView::C), viewC);
    EXPECT_EQ(ConvertLineView(viewC, ListView::C, ListView::A), viewA);
    for (const std::string& v : {viewA, viewB, viewC}) EXPECT_EQ(RecordNumberOf(v), c.k);
    EXPECT_EQ(ViewerLine(line), " " + viewA.substr(3));
  }
}

TEST(ListLine, OrdersChooseViews) {
  for (int order = 300; order <= 315; ++order) {
    SCOPED_TRACE(order);
    const ListView expected = order == 315 ? ListView::B : order >= 312 ? ListView::C : ListView::A;
    EXPECT_EQ(ViewOfOrder(order), expected);
  }
}

// The masked columns agree with the record library's picture masks for every value, including
// halves, negatives and values too wide for the mask.
TEST(ListLine, MaskedColumnsMatchPictureMasks) {
  std::mt19937 gen(7);
  std::uniform_real_distribution<double> power(-1200, 12000), height(-50, 12000);
  for (int i = 0; i < 5000; ++i) {
    StationValues v = Munich();
    const double p = i < 10 ? -0.05 + 0.01 * i : std::round(power(gen) * 100) / 100;
    const double h = std::round(height(gen));
    v.power = std::to_string(p);
    v.antennaHeight = std::to_string(h);
    const StationRecord r = BuildStationRecord(v);
    const std::string line = BuildListLine(r, 1);
    const std::string_view segA = std::string_view(line).substr(SegmentOffset(ListView::A, Segment::A), 28);
    SCOPED_TRACE(v.power + " " + v.antennaHeight);
    EXPECT_EQ(segA.substr(10, 6), MaskedItem(LenientNumber(ItemText(r, Item::k8B1)), "####.#"));
    EXPECT_EQ(segA.substr(16, 4), MaskedItem(LenientNumber(ItemText(r, Item::k9Y)), "####"));
  }
}

TEST(ListLine, ColumnHeadings) {
  const std::string start = "\u00A4     Cnt    Name of station         class  cat.  Geo. coordinates" +
                            std::string(16, ' ') + "frTx [MHz]";
  EXPECT_EQ(ColumnHeading(ListView::A, quorla::Language::English),
            start + "       frRx [MHz]      dBW   ha[m]   Ant.  status");
  EXPECT_EQ(ColumnHeading(ListView::B, quorla::Language::English),
            start + "    status    co-ordination Reference");
  EXPECT_EQ(ColumnHeading(ListView::C, quorla::Language::English),
            start + "    R[km]  natu.  use       date [y-m-d]    status");
  const std::string cs = "\u00A4     Stát   Jméno stanice           třída  kat.  Geo. souřadnice" +
                         std::string(17, ' ') + "frTx [MHz]";
  EXPECT_EQ(ColumnHeading(ListView::C, quorla::Language::Czech),
            cs + "     R[km]  druh  použ.   datum [r-m-d]   status");
}

}  // namespace
}  // namespace recbook
