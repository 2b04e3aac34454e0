// The file viewer through its presenter and the station transfer area.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "forms/tests/form_test_views.h"
#include "listing/list_heading.h"
#include "rules/tests/clean_station.h"
#include "records/item_table.h"
#include "records/record_builder.h"
#include "testing/scripted_host.h"
#include "tests/scratch_folder.h"
#include "viewer/station_transfer.h"
#include "viewer/viewer_presenter.h"

using namespace recbook;
using namespace recbook::testing;
using quorla::Answer;
using quorla::Buttons;
using quorla::Icon;

namespace {

const std::string kCaption = " MIRANDEX: ";

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class RecordingViewerView : public ViewerView {
 public:
  void SetTitle(const std::string& t) override { title = t; }
  void SetFileField(const std::string& t) override { fileField = t; }
  void SetColumnHeading(const std::string& t) override { heading = t; }
  void SetSortLabel(const std::string& t) override { sortLabel = t; }
  void SetHeaderInfo(const std::string& t) override { headerInfo = t; }
  void SetActionsEnabled(bool e) override { actions = e; }
  void ListReset() override { row.reset(); }
  void ReorderList(const LineReorder& reorder) override {
    std::vector<size_t> rows(row ? 1 : 0, row.value_or(0));
    reorder(rows);
    if (row) row = rows[0];
  }
  std::optional<size_t> SelectedRow() const override { return row; }
  void SelectRow(size_t r) override { row = r; }
  void ShowPage(int p) override { page = p; }
  RecordFormView& RecordForm() override { return recordForm; }
  HeaderFormView& HeaderForm() override { return headerForm; }
  void ShowProgress(uint64_t, uint64_t) override {}
  void HideProgress() override {}
  void CloseWindow() override { ++closed; }
  void ShowItemCodes(const StationRecord& record, quorla::Language, const std::string& caption) override {
    itemCodes = std::string(record.text());
    itemCodesCaption = caption;
  }

  std::string title, fileField, heading, sortLabel, headerInfo, itemCodes, itemCodesCaption;
  bool actions = true;
  std::optional<size_t> row;
  int page = -1, closed = 0;
  RecordingRecordForm recordForm;
  RecordingHeaderForm headerForm;
};

StationRecord Record(const std::string& text) { return RecordFromText<StationRecord>(text); }

TEST(ViewerPresenter, TitlesAndButtonsOfEveryMode) {
  quorla::ScriptedHost host;
  RecordingViewerView view;
  struct Case {
    ViewerMode mode;
    std::string title;
    std::vector<std::string> buttons;
  } cases[] = {
      {ViewerMode::Append, "  MIRANDEX:   Append taged records to another Exchange data file,   (ver.1.7)",
       {"&A p p e n d  taged Rec", "&Item codes", "&Sorting", "&Cancel"}},
      {ViewerMode::Remove, "  MIRANDEX:   Remove taged records from another Exchange data file,   (ver.1.7)",
       {"&R e m o v e  taged Rec", "&Item codes", "&Sorting", "&Cancel"}},
      {ViewerMode::TxTransfer,
       "  MIRANDEX:   Load record  from  Vienna Agreement 99  Exchange data file,   (ver.1.3)",
       {"&Transfer Tx data", "&Item codes", "&Sorting", "&Cancel"}},
      {ViewerMode::TxRxTransfer,
       "  MIRANDEX:   Load record  from  Vienna Agreement 99  Exchange data file,   (ver.1.3)",
       {"Transfer &Tx data", "Transfer &Rx data", "&Item codes", "&Sorting", "&Cancel"}},
      {ViewerMode::UseFile, "  MIRANDEX:   Selection of Exchange data file  for  automatic calculation,   (ver.1.3)",
       {"&Use  file", "&Item codes", "&Sorting", "&Cancel"}},
  };
  for (const Case& c : cases) {
    ViewerSetup setup;
    setup.mode = c.mode;
    setup.caption = kCaption;
    ViewerPresenter viewer(host, view, setup);
    viewer.Start();
    EXPECT_EQ(view.title, c.title);
    EXPECT_FALSE(view.actions);
    EXPECT_EQ(view.fileField, "... File = ?");
    std::vector<std::string> texts;
    for (const ViewerButton& b : viewer.Buttons()) texts.push_back(b.text);
    EXPECT_EQ(texts, c.buttons);
  }
}

class ViewerTest : public ::testing::Test {
 protected:
  ViewerSetup Setup(ViewerMode mode) {
    ViewerSetup s;
    s.mode = mode;
    s.caption = kCaption;
    s.editedFile = dir_.path() + "edited.xms";
    return s;
  }
  void TearDown() override { host_.VerifyAllConsumed(); }
  quorla::ScriptedHost host_;
  RecordingViewerView view_;
  ScratchFolder dir_;
};

// In Czech the heading and the sort label are Czech, before and after a sort.
TEST_F(ViewerTest, CzechHeadingAndSortLabel) {
  ViewerSetup setup = Setup(ViewerMode::Append);
  setup.language = quorla::Language::Czech;
  setup.tagged = {Record("TAGGED")};
  ViewerPresenter viewer(host_, view_, setup);
  viewer.Start();
  EXPECT_EQ(view_.sortLabel, "Původní pořadí");
  EXPECT_NE(view_.heading.find("Jméno stanice"), std::string::npos);
  host_.ExpectOpenFileName(dir_.Sample("other.xms", 10, 5), kCaption + " Otevření ''Exch. data'' souboru");
  viewer.OnOpen();
  viewer.OnSort(315);
  EXPECT_EQ(view_.sortLabel, "Reference");
  EXPECT_EQ(view_.heading, ViewerHeading(ListView::B, quorla::Language::Czech));
  EXPECT_NE(view_.heading.find("Reference koordinace"), std::string::npos);
}

// The record page is the editor's record form over the record of the selected line (by its
// record number, not its row), the header page the header form over record 0; both as the
// editor's forms show them, never changed.
TEST_F(ViewerTest, PagesShowTheSelectedRecordAndTheHeaderAsTheFormsDo) {
  const std::vector<StationRecord> records{Fixed({{Item::k4A, "ZLIN"}, {Item::k1A, "  145.53750M"}}),
                                           Fixed({{Item::k4A, "BRNO"}, {Item::k2C, "25122003"}})};
  std::string bytes = FixWidth("07Register of the south", kRecordSize);
  bytes.replace(82, 4, "OCZE");
  bytes.replace(186, 14, "00000207122026");
  for (const StationRecord& r : records) bytes.append(r.bytes, kRecordSize);
  const std::string path = dir_.path() + "pages.xms";
  ASSERT_TRUE(quorla::WriteFileAtomically(path, bytes));
  for (const quorla::Language language : {quorla::Language::English, quorla::Language::Czech}) {
    SCOPED_TRACE(static_cast<int>(language));
    ViewerSetup setup = Setup(ViewerMode::UseFile);
    setup.language = language;
    ViewerPresenter viewer(host_, view_, setup);
    viewer.Start();
    host_.ExpectOpenFileName(path);
    viewer.OnOpen();
    EXPECT_EQ(view_.headerForm.boxes[12], "Register of the south");
    EXPECT_EQ(view_.headerForm.boxes[11], "07");
    viewer.OnSort(301);  // by country and name: BRNO, record 2, comes first
    viewer.OnPageRequest(1);
    EXPECT_EQ(view_.recordForm.boxes[18], "BRNO");
    EXPECT_EQ(view_.recordForm.boxes[17], "25-12-2003");
    EXPECT_EQ(view_.recordForm.number, language == quorla::Language::English ? "Rec No. = 2" : "Rec č. = 2");
    view_.SelectRow(1);
    viewer.OnPageRequest(1);
    EXPECT_EQ(view_.recordForm.boxes[18], "ZLIN");
    EXPECT_EQ(view_.recordForm.boxes[11], "145.53750");  // MHz with five decimals
    EXPECT_EQ(view_.recordForm.number.substr(view_.recordForm.number.size() - 2), " 1");
    // Read-only: what a user types and what an Info dialog's OK writes change nothing.
    EXPECT_EQ(viewer.recordForm().Typed(18, "ZLINX", 5).text, "ZLIN");
    viewer.recordForm().Apply({{18, "OTHER"}, {13, "ML"}});
    EXPECT_EQ(view_.recordForm.boxes[18], "ZLIN");
    EXPECT_EQ(BoxText(viewer.recordForm().texts(), 13), "FX");
    EXPECT_FALSE(view_.recordForm.changed);
    EXPECT_FALSE(viewer.recordForm().changed());
  }
  EXPECT_EQ(ReadFile(path), bytes);
}

TEST_F(ViewerTest, AppendWritesTheOtherFileWithTheTaggedRecordsAfterIt) {
  const std::string other = dir_.Sample("other.xms", 10, 5);
  const std::string before = ReadFile(other);
  ViewerSetup setup = Setup(ViewerMode::Append);
  setup.tagged = {Record("FIRST TAGGED"), Record("SECOND TAGGED")};
  ViewerPresenter viewer(host_, view_, setup);
  viewer.Start();
  host_.ExpectOpenFileName(other, kCaption + " Load Exch. data file");
  viewer.OnOpen();
  EXPECT_TRUE(viewer.list().size() == 10 && view_.actions);
  EXPECT_EQ(view_.headerInfo, "...  data from file: 000010  Rec");
  EXPECT_EQ(viewer.LineAt(0).size(), 149u);  // a single blank for the tag column
  viewer.OnSort(304);
  EXPECT_EQ(view_.sortLabel, "Country + freq.Tx");
  viewer.OnCommand(kViewerAppend);
  EXPECT_EQ(view_.closed, 1);
  const std::string after = ReadFile(other);
  ASSERT_EQ(after.size(), 13 * kRecordSize);
  EXPECT_EQ(after.substr(0, 82), before.substr(0, 82));
  EXPECT_EQ(after[82], 'M');
  EXPECT_EQ(after.substr(186, 14), "00001207122026");
  // The other file's records come in the viewer's order (304), then the tagged ones.
  EXPECT_EQ(after.substr(kRecordSize, kRecordSize),
            before.substr(viewer.list().RecordNumber(0) * kRecordSize, kRecordSize));
  EXPECT_EQ(after.substr(12 * kRecordSize, 13), "SECOND TAGGED");
}

TEST_F(ViewerTest, RemoveDropsEveryEqualRecord) {
  const std::string other = dir_.Sample("other.xms", 6, 9);
  const std::string before = ReadFile(other);
  ViewerSetup setup = Setup(ViewerMode::Remove);
  setup.tagged = {RecordFromText<StationRecord>(before.substr(3 * kRecordSize, kRecordSize))};
  ViewerPresenter viewer(host_, view_, setup);
  viewer.Start();
  host_.ExpectOpenFileName(other);
  viewer.OnOpen();
  viewer.OnCommand(kViewerRemove);
  const std::string after = ReadFile(other);
  ASSERT_EQ(after.size(), 6 * kRecordSize);
  EXPECT_EQ(after.substr(186, 6), "000005");
  EXPECT_EQ(after.find(before.substr(3 * kRecordSize, kRecordSize)), std::string::npos);
}

TEST_F(ViewerTest, RefusedFilesAreToldAndTheDialogReturns) {
  const std::string edited = dir_.Sample("edited.xms", 3);
  quorla::WriteFileAtomically(dir_.path() + "short.xms", std::string(100, ' '));
  ViewerPresenter viewer(host_, view_, Setup(ViewerMode::Append));
  viewer.Start();
  host_.ExpectOpenFileName(dir_.path() + "missing.xms");
  host_.ExpectMessage("File  doesn't  exist  !!  ", kCaption + " Open file Error", Buttons::Ok, Icon::Error);
  host_.ExpectOpenFileName(dir_.path() + "short.xms");
  host_.ExpectMessage("This file  isn't  Exchange data file  !!  ", kCaption + " Open file Error", Buttons::Ok,
                      Icon::Error);
  host_.ExpectOpenFileName(edited);
  host_.ExpectMessage("You want to load the same file as Edited file  !!  ", kCaption + " File Error", Buttons::Ok,
                      Icon::Error);
  host_.ExpectOpenFileName("");
  viewer.OnOpen();
  EXPECT_TRUE(viewer.file().empty());
  viewer.OnCommand(kViewerAppend);  // no file: nothing happens
  EXPECT_EQ(view_.closed, 0);
}

// The help on item codes reads the selected record; with no file or no selection it shows a blank one.
TEST_F(ViewerTest, ItemCodesShowTheSelectedRecord) {
  const std::string file = dir_.Sample("codes.xms", 3);
  ViewerPresenter viewer(host_, view_, Setup(ViewerMode::UseFile));
  viewer.OnCommand(kViewerItemCodes);
  EXPECT_EQ(view_.itemCodes, std::string(kRecordSize, ' '));
  EXPECT_EQ(view_.itemCodesCaption, kCaption);
  host_.ExpectOpenFileName(file);
  viewer.OnOpen();
  const std::string bytes = ReadFile(file);
  for (const size_t row : {size_t{2}, size_t{0}}) {
    view_.SelectRow(row);
    viewer.OnCommand(kViewerItemCodes);
    EXPECT_EQ(view_.itemCodes, bytes.substr(viewer.list().RecordNumber(row) * kRecordSize, kRecordSize)) << row;
  }
  view_.row.reset();
  viewer.OnCommand(kViewerItemCodes);
  EXPECT_EQ(view_.itemCodes, std::string(kRecordSize, ' '));
}

TEST_F(ViewerTest, UseFileAndCancelResults) {
  const std::string file = dir_.Sample("calc.xms", 2);
  {
    ViewerPresenter viewer(host_, view_, Setup(ViewerMode::UseFile));
    host_.ExpectOpenFileName(file);
    viewer.OnOpen();
    viewer.OnCommand(kViewerUseFile);
    EXPECT_EQ(viewer.result(), file);
  }
  ViewerPresenter viewer(host_, view_, Setup(ViewerMode::UseFile));
  host_.ExpectOpenFileName(file);
  viewer.OnOpen();
  viewer.OnCommand(kViewerCancel);
  EXPECT_EQ(viewer.result(), "");
}

TEST_F(ViewerTest, RxTransferWritesTheRxFieldsOnly) {
  StationValues v;
  v.txFrequency = "     145.5 M";
  v.rxFrequency = "     150.25M";
  v.name = "KLET";
  v.country = "CZE";
  v.longitude = "014E1700";
  v.latitude = "48N5200";
  v.power = "  12.5";
  v.gain = " 3.5";
  v.antennaHeight = "  30";
  StationRecord r = BuildStationRecord(v);
  std::string file = std::string(186, ' ') + "000001" + std::string(27, ' ');
  file += std::string(r.bytes, kRecordSize);
  quorla::WriteFileAtomically(dir_.path() + "one.xms", file);

  unsigned char area[102];
  std::memset(area, 0xEE, sizeof area);
  ViewerPresenter viewer(host_, view_, Setup(ViewerMode::TxRxTransfer), area);
  host_.ExpectOpenFileName(dir_.path() + "one.xms");
  viewer.OnOpen();
  viewer.OnCommand(kViewerTransferRx);
  EXPECT_EQ(viewer.result(), "2");
  double mhz;
  std::memcpy(&mhz, area, 8);
  EXPECT_EQ(mhz, static_cast<double>(150.25f));
  EXPECT_EQ(area[8], 0xEE);  // [1Z]: Tx only, kept
  EXPECT_EQ(std::string(reinterpret_cast<char*>(area + 10), 4), "KLET");
  EXPECT_EQ(std::string(reinterpret_cast<char*>(area + 30), 3), "CZE");
  float gain, height;
  std::memcpy(&gain, area + 69, 4);
  std::memcpy(&height, area + 84, 4);
  EXPECT_EQ(gain, 3.5f);
  EXPECT_EQ(height, 30.0f);
  EXPECT_EQ(area[65], 0xEE);  // [8B1]: Tx only, kept
}

TEST(StationTransfer, TxTransferFields) {
  StationValues v;
  v.frequencyCategory = "1";
  v.longitude = "014E1700";
  v.latitude = "48N5200";
  v.radius = "  2.6";
  v.power = " -10.0";
  StationRecord r = BuildStationRecord(v);
  SetItem(r, Item::k1A, "   2.5     G");  // GHz as another administration may write it
  StationTransfer t{};
  WriteStationTransfer(r, TransferSide::Tx, &t);
  // The area is packed: its numbers are copied out before they are compared.
  EXPECT_EQ(+t.frequencyMHz, 2500.0);
  EXPECT_EQ(t.category[0], '1');
  EXPECT_EQ(std::string(t.longitude, 8), "014E1700");
  EXPECT_EQ(std::string(t.latitude, 7), "48N5200");
  EXPECT_EQ(+t.radiusKm, 3);
  EXPECT_EQ(+t.powerDbw, -10.0f);
}

}  // namespace

// Another program changed the file after it was listed: the append asks before it replaces the
// file, whose new records the list does not hold; No leaves the file as the other program wrote it.
TEST_F(ViewerTest, AppendToAFileChangedSinceItWasListedAsksFirst) {
  const std::string other = dir_.Sample("other.xms", 10, 5);
  ViewerSetup setup = Setup(ViewerMode::Append);
  setup.tagged = {Record("TAGGED")};
  ViewerPresenter viewer(host_, view_, setup);
  viewer.Start();
  host_.ExpectOpenFileName(other, kCaption + " Load Exch. data file");
  viewer.OnOpen();
  const std::string theirs = ReadFile(dir_.Sample("other.xms", 12, 6));
  host_.ExpectMessage("File:  " + other + "  \r\nwas  changed  on  disc  since  it  was  loaded  !!  \r\n\r\n"
                      "Do you want to overwrite it  ?  ",
                      " " + kCaption + " File save conflict", Buttons::YesNo, Icon::Exclamation, Answer::No);
  viewer.OnCommand(kViewerAppend);
  EXPECT_EQ(ReadFile(other), theirs);
  EXPECT_EQ(view_.closed, 0);
}
