// Tag commands, the counts and the status texts.
#include <gtest/gtest.h>

#include "listing/tagging.h"
#include "records/record_builder.h"

namespace recbook {
namespace {

RecordList FiveLines() {
  RecordList list;
  StationValues v;
  v.country = "D";
  for (uint32_t k = 1; k <= 5; ++k) {
    v.name = "SITE " + std::to_string(k);
    list.Append(BuildStationRecord(v), k * 10);
  }
  return list;
}

TEST(Tagging, CommandsChangeOnlyWhatTheySay) {
  RecordList list = FiveLines();
  const size_t some[] = {1, 3};
  EXPECT_EQ(TagRows(list, some), 2u);
  EXPECT_EQ(TagRows(list, some), 0u);  // already tagged
  const size_t other[] = {3, 4};
  EXPECT_EQ(UntagRows(list, other), 1u);
  EXPECT_EQ(list.TaggedCount(), 1u);
  EXPECT_TRUE(list.IsTagged(1));
  const size_t flip[] = {0, 1};
  EXPECT_EQ(ToggleRows(list, flip), 2u);
  EXPECT_TRUE(list.IsTagged(0));
  EXPECT_FALSE(list.IsTagged(1));
  EXPECT_EQ(list.Line(0)[0], '\xA4');
  EXPECT_EQ(list.Line(1)[0], ' ');
  EXPECT_EQ(TagAll(list), 4u);
  EXPECT_EQ(list.TaggedCount(), 5u);
  EXPECT_EQ(UntagAll(list), 5u);
  EXPECT_EQ(list.TaggedCount(), 0u);
}

TEST(Tagging, TagAllEnablesTheBatchItems) {
  RecordList list = FiveLines();
  for (int id = 201; id <= 210; ++id) EXPECT_EQ(EditMenuItemEnabled(id, list, false), id <= 202) << id;
  TagAll(list);
  const auto parts = StatusParts(list, {1, 0}, quorla::Language::English);
  EXPECT_EQ(parts[2], " Taged Rec:  5");
  for (int id = 203; id <= 208; ++id) EXPECT_TRUE(EditMenuItemEnabled(id, list, false)) << id;
  EXPECT_FALSE(EditMenuItemEnabled(209, list, false));
  EXPECT_TRUE(EditMenuItemEnabled(210, list, true));
}

TEST(Tagging, DeleteTaggedCountsAndLabel) {
  RecordList list = FiveLines();
  const size_t rows[] = {0, 2, 4};
  TagRows(list, rows);
  EditCounts counts;
  counts.changes = 1;
  EXPECT_EQ(DeleteTagged(list, counts), 3u);
  EXPECT_EQ(counts.changes, 4);
  EXPECT_EQ(counts.deleted, 3);
  EXPECT_EQ(InformationLabel(counts), "DEL Rec: 3");
  EXPECT_EQ(list.RecordNumbers(), (std::vector<uint32_t>{20, 40}));
  EXPECT_EQ(list.TaggedCount(), 0u);
  counts.added = 2;
  EXPECT_EQ(InformationLabel(counts), "ADD Rec: 2,   DEL Rec: 3");
  EXPECT_EQ(InformationLabel({0, 12, 0}), "ADD Rec: 12");
  EXPECT_EQ(InformationLabel({}), "");
}

TEST(Tagging, StatusParts) {
  RecordList list = FiveLines();
  const size_t one[] = {3};
  TagRows(list, one);
  using L = quorla::Language;
  const struct {
    const char* what;
    ListSelection sel;
    L language;
    std::optional<size_t> errors;
    std::array<std::string, 4> parts;
  } cases[] = {
      {"one line", {1, 2}, L::English, {}, {" File contents:  5  Rec", " Rec  30  selected", " Taged Rec:  1", " ListBox:  3"}},
      {"several", {4, 2}, L::English, {}, {" File contents:  5  Rec", " Selected Rec:  4", " Taged Rec:  1", " "}},
      {"error search", {1, 0}, L::English, 2, {" File contents:  5  Rec", " Rec  10  selected", " Rec with Errors:  2", " ListBox:  1"}},
      {"Czech", {1, 4}, L::Czech, {}, {" Obsah souboru:  5  Rec", " Rec  50  vybrán", " Označené Rec:  1", " ListBox:  5"}},
      {"Czech several", {2, 4}, L::Czech, 0, {" Obsah souboru:  5  Rec", " Vybrané Rec  2", " Rec s chybami:  0", " "}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(StatusParts(list, c.sel, c.language, c.errors), c.parts);
  }
  const std::array<std::string, 4> empty{" File contents:   0  Rec", "", "", ""};
  EXPECT_EQ(StatusParts(RecordList(), {0, 0}, L::English), empty);
}

}  // namespace
}  // namespace recbook
