// The sixteen orders: literal keys of one line, a small sort worked out by hand, the compact keys
// against the literal ones on many records, and the place of a stored record.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "listing/list_sort.h"
#include "listing/record_list.h"
#include "listing/sort_orders.h"
#include "records/item_table.h"
#include "records/record_builder.h"
#include "records/sample_generator.h"

namespace recbook {
namespace {

struct Row {
  const char *country, *name, *cls, *cat, *tx, *rx, *power, *status, *use, *request, *final, *ref;
};

// Records 1 to 5 of the hand-sorted list.
constexpr Row kRows[] = {
    {"CZE", "BRNO", "FX", "3", "150", "160", "3.0", "B", "OT", "01-01-2005", "", "CZE050000010111"},
    {"D", "AACHEN", "FB", "1", "", "150", "-10.0", "A", "CP", "", "", "D  990000020111"},
    {"CZE", "ALBRECHTICE", "MO", "3", "145", "", "-5.0", "A", "OT", "15-06-1999", "01-01-2010", "CZE040000090111"},
    {"D", "BONN", "FX", "2", "160", "140", "", "W", "AA", "", "31-12-1999", ""},
    {"A", "WIEN", "FB", "3", "145", "150", "20", "A", "OT", "01-01-2005", "", "A  010000010111"},
};

StationRecord RecordOf(const Row& r) {
  StationValues v;
  v.country = r.country;
  v.name = r.name;
  v.stationClass = r.cls;
  v.frequencyCategory = r.cat;
  v.txFrequency = r.tx;
  v.rxFrequency = r.rx;
  v.power = r.power;
  v.status = r.status;
  v.categoryOfUse = r.use;
  v.requestDate = r.request;
  v.finalDate = r.final;
  v.reference = r.ref;
  v.longitude = "014 E 25 00";
  v.latitude = "50 N 05 00";
  return BuildStationRecord(v);
}

RecordList HandList() {
  RecordList list;
  for (uint32_t k = 1; k <= 5; ++k) list.Append(RecordOf(kRows[k - 1]), k);
  return list;
}

TEST(SortKeys, LiteralKeysOfOneLine) {
  const std::string line = BuildListLine(RecordOf(kRows[0]), 1);
  const std::string tx = "00150.0000", cn = "CZE BRNO          ", name = "BRNO          ";
  const struct {
    int order;
    std::string key;
  } cases[] = {
      {300, "0000001"},
      {301, cn + tx},
      {302, "CZE" "FX" + tx + name},
      {303, "CZE" "3" + tx + name},
      {304, "CZE" + tx + name},
      {305, tx + cn},
      {306, "CZE" "00160.0000" + name},
      {307, "00160.0000" + cn},
      {308, "CZE" "B0003.0" + tx + name},
      {309, "B0003.0" + cn},
      {310, "CZE" "B" + tx + name},
      {311, "B" + cn},
      {312, "CZE" "OT" + tx + name},
      {313, "CZE" "2005-01-01" + tx + name},
      {314, "2005-01-01" + cn},
      {315, "CZE" "CZE,05-000001-01,1,1 " + tx + name},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.order);
    EXPECT_EQ(SortKeyText(line, c.order), c.key);
  }
  // A negative power comes first: "A" and P + 10000.
  const std::string minus = BuildListLine(RecordOf(kRows[2]), 3);
  EXPECT_EQ(SortKeyText(minus, 309), "A9995.0" "CZE ALBRECHTICE   ");
  // A blank Tx frequency has the value 0.
  EXPECT_EQ(SortKeyText(BuildListLine(RecordOf(kRows[1]), 2), 305), "00000.0000" "D   AACHEN        ");
}

TEST(SortList, HandSortedOrders) {
  const struct {
    int order;
    std::vector<uint32_t> records;
  } cases[] = {
      {301, {5, 3, 1, 2, 4}}, {302, {5, 1, 3, 2, 4}}, {303, {5, 3, 1, 2, 4}}, {304, {5, 3, 1, 2, 4}},
      {305, {2, 5, 3, 1, 4}}, {306, {5, 3, 1, 4, 2}}, {307, {3, 4, 5, 2, 1}}, {308, {5, 3, 1, 2, 4}},
      {309, {2, 3, 4, 1, 5}}, {310, {5, 3, 1, 2, 4}}, {311, {5, 3, 2, 1, 4}}, {312, {5, 3, 1, 4, 2}},
      {313, {5, 1, 3, 2, 4}}, {314, {2, 4, 5, 1, 3}}, {315, {5, 3, 1, 4, 2}}, {300, {1, 2, 3, 4, 5}},
  };
  RecordList list = HandList();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.order);
    list.Sort(c.order);  // from the previous case's order: the keys do not depend on it
    EXPECT_EQ(list.RecordNumbers(), c.records);
    EXPECT_EQ(list.order(), c.order);
  }
}

TEST(SortList, ViewRoundTripKeepsLinesAndTags) {
  RecordList list = HandList();
  list.Sort(301);
  list.SetMark(1, kTagMark);
  std::vector<std::string> before;
  for (size_t r = 0; r < list.size(); ++r) before.push_back(list.Line(r));
  list.Sort(315);
  EXPECT_EQ(list.view(), ListView::B);
  EXPECT_EQ(list.Line(1).substr(3 + 52, 28), before[1].substr(3 + 52 + 28 + 5 + 28, 28));  // segment C first
  list.Sort(301);
  for (size_t r = 0; r < list.size(); ++r) EXPECT_EQ(list.Line(r), before[r]);
  EXPECT_EQ(list.TaggedCount(), 1u);
  EXPECT_TRUE(list.IsTagged(1));
}

TEST(SortList, EqualKeysKeepTheirOrder) {
  RecordList list;
  for (uint32_t k : {7u, 3u, 9u}) list.Append(RecordOf(kRows[0]), k);
  list.Sort(301);
  EXPECT_EQ(list.RecordNumbers(), (std::vector<uint32_t>{7, 3, 9}));
}

// Compact keys sort exactly as the literal keys: every order on generated records plus odd ones
// (too wide numbers, kHz and GHz units, negative dates).
TEST(SortList, CompactKeysAgreeWithLiteralKeys) {
  std::vector<StationRecord> records;
  SampleGenerator gen(11);
  for (int i = 0; i < 3000; ++i) records.push_back(gen.Next());
  for (const Row& r : kRows) records.push_back(RecordOf(r));
  const char* odd[][2] = {{"1A", "999999.0000M"}, {"1A", "  -12.5    M"}, {"1Y", "0.1234567  G"},
                          {"8B1", "*****"},        {"8B1", "-999.9"},       {"8B1", "9999.9"},
                          {"2W", "0101-200"},      {"1Y", "    0.00004M"},  {"1A", "00000145500K"}};
  for (const auto& o : odd) {
    StationRecord r = records[records.size() % 100];
    SetItem(r, o[0][0] == '1' ? (o[0][1] == 'A' ? Item::k1A : Item::k1Y) : o[0][0] == '8' ? Item::k8B1 : Item::k2W, o[1]);
    records.push_back(r);
  }
  std::mt19937 shuffle(5);
  std::vector<uint32_t> ks(records.size());
  std::iota(ks.begin(), ks.end(), 1u);
  std::shuffle(ks.begin(), ks.end(), shuffle);
  for (int order = 300; order <= 315; ++order) {
    SCOPED_TRACE(order);
    RecordList list;
    std::vector<std::string> lines;
    for (uint32_t k : ks) {
      list.Append(records[k - 1], k);
      lines.push_back(BuildListLine(records[k - 1], k));
    }
    std::vector<size_t> idx(lines.size());
    std::iota(idx.begin(), idx.end(), size_t{0});
    std::stable_sort(idx.begin(), idx.end(),
                     [&](size_t a, size_t b) { return SortKeyText(lines[a], order) < SortKeyText(lines[b], order); });
    list.Sort(order);
    std::vector<uint32_t> expected;
    for (size_t i : idx) expected.push_back(RecordNumberOf(lines[i]));
    EXPECT_EQ(list.RecordNumbers(), expected);
  }
}

TEST(FindInsertPosition, BeforeTheFirstGreaterOrEqualKey) {
  RecordList list = HandList();
  list.Sort(305);  // 2 (Tx blank), 5 (A 145), 3 (CZE 145), 1 (CZE 150), 4 (D 160)
  Row same = kRows[0];
  Row later = kRows[0];
  later.country = "D";
  Row top = kRows[0];
  top.tx = "999";
  Row none = kRows[0];
  none.tx = "";
  none.country = "A";
  const struct {
    const char* what;
    Row row;
    size_t at;
  } cases[] = {{"equal key goes before", same, 3}, {"between", later, 4}, {"last", top, 5}, {"first", none, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(list.FindInsertPosition(BuildListLine(RecordOf(c.row), 9)), c.at);
  }
  // In view C the line is read by the positions of view C.
  list.Sort(313);  // 5, 1, 3, 2, 4
  Row dated = kRows[0];
  dated.request = "01-01-2007";
  const std::string viewC = ConvertLineView(BuildListLine(RecordOf(dated), 9), ListView::A, ListView::C);
  EXPECT_EQ(list.FindInsertPosition(viewC), 2u);
}

TEST(FindInsertPosition, StoredRecordMovesToItsPlace) {
  RecordList list = HandList();
  list.Sort(304);  // 5, 3, 1, 2, 4
  Row changed = kRows[2];
  changed.tx = "155";  // ALBRECHTICE now after BRNO
  EXPECT_EQ(list.PlaceRecord(RecordOf(changed), 3), 2u);
  EXPECT_EQ(list.RecordNumbers(), (std::vector<uint32_t>{5, 1, 3, 2, 4}));
  EXPECT_EQ(list.Line(2).substr(3 + 42, 10), "  155.0000");
  Row added = kRows[3];
  added.tx = "100";
  EXPECT_EQ(list.PlaceRecord(RecordOf(added), 6), 4u);  // after D AACHEN (Tx blank = 0)
  EXPECT_EQ(list.size(), 6u);
}

TEST(SortOrders, ViewerMenuShortTexts) {
  const char* expected[] = {"Original sequence", "Country + Name",    "Country + Class",   "Country + fr.cat.",
                            "Country + freq.Tx", "Country + freq.Rx", "Country + Power",   "Country + Status",
                            "Country + cat.Use", "Country + Date",    "freq.Tx",           "freq.Rx",
                            "Power",             "Date",              "Status",            "Reference"};
  for (size_t i = 0; i < 16; ++i) EXPECT_EQ(SortOrderOf(kViewerSortMenu[i]).viewerText(quorla::Language::English), expected[i]) << i;
  for (int id = 300; id <= 315; ++id) EXPECT_EQ(SortOrderOf(id).id, id);
}

}  // namespace
}  // namespace recbook
