// The editor's main window through its presenter: a recording view and the scripted Host.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "editor/editor_presenter.h"
#include "editor/help_texts.h"
#include "editor/editor_settings.h"
#include "entry/geo_box_properties.h"
#include "settings_store.h"
#include "forms/antenna_editor_call.h"
#include "forms/block_field.h"
#include "forms/coordinates_dialog_presenter.h"
#include "forms/form_boxes.h"
#include "forms/tests/scripted_library_calls.h"
#include "platform_paths.h"
#include "atomic_file.h"
#include "editor_test_support.h"
#include "tests/clean_station.h"
#include "listing/list_heading.h"
#include "records/item_table.h"
#include "records/record_text.h"
#include "testing/scripted_host.h"

using namespace recbook;
using namespace recbook::testing;
using quorla::Answer;
using quorla::Buttons;
using quorla::Icon;

namespace {

const std::string kCaption = " MIRANDEX: ";
const std::string kSaveQuestion3 =
    "You have made  3  changes,  but only  \r\nin Working copy  of  Edited file.\r\n\r\n"
    "Do you want to Save changes into Edited file  ?  ";

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class EditorPresenterTest : public ::testing::Test {
 protected:
  explicit EditorPresenterTest(quorla::Language l = quorla::Language::English)
      : presenter_(host_, view_, {kCaption, l, "/tmp/quorla-1000/", ""}) {
    presenter_.Start();
  }
  ~EditorPresenterTest() override {
    presenter_.Finish();
    host_.VerifyAllConsumed();
  }
  void Open(const std::string& path) {
    host_.ExpectOpenFileName(path, kCaption + " Load Exch. data file");
    presenter_.OnCommand(kOpenFile);
  }
  void Select(std::vector<size_t> rows) {
    view_.SelectRows(rows, rows.back());
    presenter_.OnSelectionChanged(false);
  }

  quorla::ScriptedHost host_;
  RecordingEditorView view_;
  EditorPresenter presenter_;
  ScratchFolder dir_;
};

TEST_F(EditorPresenterTest, OpensWithTitleGreyedMenusAndNoFile) {
  EXPECT_EQ(view_.title, " MIRANDEX:  Editor of Exchange data files VA-99, MS  (ver.1.7)");
  EXPECT_FALSE(view_.menus[MenuPosition::Blank]);
  EXPECT_FALSE(view_.menus[MenuPosition::Edit]);
  EXPECT_FALSE(view_.menus[MenuPosition::Sort]);
  EXPECT_FALSE(view_.menus[MenuPosition::Corrections]);
  for (int id : {103, 104, 105}) EXPECT_FALSE(view_.items[id]) << id;
  for (int id : {101, 102, 106, 505, 506, 507, 601, 607}) EXPECT_TRUE(view_.items[id]) << id;
  EXPECT_EQ(view_.fileField, "... File = ?");
  EXPECT_EQ(view_.page, kListPage);
  EXPECT_TRUE(view_.status.empty());  // nothing in the status bar without a file
}

TEST_F(EditorPresenterTest, OpenBuildsTheListWithItsStatusTexts) {
  Open(dir_.Sample("five.xms", 5));
  EXPECT_EQ(presenter_.list().size(), 5u);
  EXPECT_EQ(view_.status[0], " File contents:  5  Rec");
  EXPECT_EQ(view_.status[1], " Rec  1  selected");
  EXPECT_EQ(view_.status[2], " Taged Rec:  0");
  EXPECT_EQ(view_.status[3], " ListBox:  1");
  EXPECT_EQ(view_.status[4], " Original sequence");
  EXPECT_EQ(view_.checked, 300);
  EXPECT_FALSE(view_.progressShown);
  EXPECT_TRUE(view_.menus[MenuPosition::Sort]);
  EXPECT_TRUE(view_.menus[MenuPosition::Edit]);
  EXPECT_TRUE(view_.items[103]);
  EXPECT_EQ(view_.fileField.rfind(dir_.path() + "five.xms  (", 0), 0u) << view_.fileField;
  EXPECT_EQ(view_.recordForm.number, "Rec No. = 1");  // the first record in the record form
  EXPECT_EQ(view_.headerForm.boxes[13], "O");  // the header form: contents code of the sample
  // Status texts go out only when they change: selecting the same line again sends nothing.
  const int writes = view_.statusWrites;
  Select({0});
  EXPECT_EQ(view_.statusWrites, writes);
}

TEST_F(EditorPresenterTest, TagCommandsCountsAndEditMenuEnabling) {
  Open(dir_.Sample("five.xms", 5));
  auto enabled = [&](int id) {
    for (const EditMenuEntry& e : view_.editMenu)
      if (e.id == id) return view_.items.count(id) ? view_.items[id] : e.enabled;
    return false;
  };
  EXPECT_FALSE(enabled(203));
  presenter_.OnCommand(kTagAll);
  EXPECT_EQ(view_.status[2], " Taged Rec:  5");
  for (int id = 203; id <= 208; ++id) EXPECT_TRUE(enabled(id)) << id;
  Select({1, 2});
  EXPECT_EQ(view_.status[1], " Selected Rec:  2");
  EXPECT_EQ(view_.status[3], " ");
  presenter_.OnCommand(kUntagSelected);
  EXPECT_EQ(view_.status[2], " Taged Rec:  3");
  EXPECT_EQ(view_.changed, (std::pair<size_t, size_t>{1, 2}));
  // A press in the tag column flips the selected lines.
  view_.SelectRows(std::vector<size_t>{2, 3}, 3);
  presenter_.OnSelectionChanged(true);
  EXPECT_TRUE(presenter_.list().IsTagged(2));
  EXPECT_FALSE(presenter_.list().IsTagged(3));
  EXPECT_EQ(view_.status[2], " Taged Rec:  3");
  presenter_.OnCommand(kUntagAll);
  EXPECT_EQ(view_.status[2], " Taged Rec:  0");
  EXPECT_FALSE(enabled(207));
}

TEST_F(EditorPresenterTest, DeleteTaggedThenSaveWritesTheRestAndAsksFirstOnLeaving) {
  const std::string path = dir_.Sample("five.xms", 5);
  const std::string before = ReadFile(path);
  Open(path);
  Select({0, 2, 4});
  presenter_.OnCommand(kTagSelected);
  presenter_.OnCommand(kDeleteTagged);
  EXPECT_EQ(presenter_.list().size(), 2u);
  EXPECT_EQ(view_.information, "DEL Rec: 3");
  EXPECT_EQ(view_.status[0], " File contents:  2  Rec");
  EXPECT_EQ(view_.status[2], " Taged Rec:  0");
  EXPECT_EQ(presenter_.files().changes(), 3);

  // Esc asks; Cancel keeps the window open.
  host_.ExpectMessage(kSaveQuestion3, " " + kCaption, Buttons::YesNoCancel, Icon::Question, Answer::Cancel);
  presenter_.OnCommand(kEscape);
  EXPECT_EQ(view_.closed, 0);
  // Yes saves records 2 and 4 (the untagged ones) and closes.
  host_.ExpectMessage(kSaveQuestion3, " " + kCaption, Buttons::YesNoCancel, Icon::Question, Answer::Yes);
  host_.ExpectMessage("I saved edited file:\r\n\r\n" + path + "  ", kCaption + "  Info", Buttons::Ok,
                      Icon::Information);
  EXPECT_TRUE(presenter_.OnCloseRequest());
  const std::string after = ReadFile(path);
  ASSERT_EQ(after.size(), 3 * kRecordSize);
  EXPECT_EQ(after.substr(186, 6), "000002");
  EXPECT_EQ(after.substr(kRecordSize, kRecordSize), before.substr(2 * kRecordSize, kRecordSize));
  EXPECT_EQ(after.substr(2 * kRecordSize, kRecordSize), before.substr(4 * kRecordSize, kRecordSize));
}

TEST_F(EditorPresenterTest, LeavingWithoutChangesAsksNothing) {
  Open(dir_.Sample("five.xms", 5));
  presenter_.OnCommand(kExit);
  EXPECT_EQ(view_.closed, 1);
  EXPECT_TRUE(presenter_.OnCloseRequest());
}

TEST_F(EditorPresenterTest, PageChangesFollowTheSelection) {
  Open(dir_.Sample("five.xms", 5));
  Select({1, 2});
  presenter_.OnPageRequest(kRecordPage);  // two lines selected: the list page stays
  EXPECT_EQ(presenter_.page(), kListPage);
  EXPECT_EQ(view_.page, kListPage);
  Select({3});
  presenter_.OnPageRequest(kRecordPage);
  EXPECT_EQ(view_.page, kRecordPage);
  EXPECT_EQ(view_.information, "Rec No. = 4");
  EXPECT_TRUE(view_.menus[MenuPosition::Edit]);
  presenter_.OnPageRequest(kHeaderPage);
  EXPECT_EQ(view_.page, kHeaderPage);
  EXPECT_EQ(view_.headerForm.boxes[19], "000005");
  presenter_.OnPageRequest(kListPage);
  EXPECT_TRUE(view_.menus[MenuPosition::Edit]);
  EXPECT_EQ(view_.information, "");
  presenter_.OnDoubleClick(2);
  EXPECT_EQ(view_.page, kRecordPage);
  EXPECT_EQ(view_.information, "Rec No. = 3");
}

TEST_F(EditorPresenterTest, SortPutsLinesInOrderWithCheckStatusAndHeading) {
  Open(dir_.Sample("many.xms", 200, 3));
  presenter_.OnCommand(305);
  EXPECT_EQ(view_.checked, 305);
  EXPECT_EQ(view_.status[4], " sorting:  freq.Tx");
  EXPECT_EQ(view_.selected, (std::set<size_t>{0}));
  // Tx frequencies read from the records themselves never fall along the list.
  double last = -1;
  for (size_t row = 0; row < presenter_.list().size(); ++row) {
    char text[kRecordSize];
    ASSERT_TRUE(presenter_.files().workingCopy().ReadRecord(presenter_.list().RecordNumber(row), text));
    const double mhz = FrequencyMHz(std::string_view(text, 12)).value_or(0.0);
    EXPECT_GE(mhz, last) << row;
    last = mhz;
  }
  // The same order again: the selection stays on its lines.
  Select({3, 7});
  const std::set<uint32_t> chosen{presenter_.list().RecordNumber(3), presenter_.list().RecordNumber(7)};
  presenter_.OnCommand(305);
  std::set<uint32_t> still;
  for (const size_t row : view_.selected) still.insert(presenter_.list().RecordNumber(row));
  EXPECT_EQ(still, chosen);
  EXPECT_EQ(view_.reorders, 2);
  presenter_.OnCommand(315);
  EXPECT_EQ(view_.heading, ListHeading(ListView::B, quorla::Language::English));
  EXPECT_GT(view_.heading.find("co-ordination Reference"), view_.heading.find("status"));
  EXPECT_EQ(view_.status[4], " sorting:  Reference");
}

TEST_F(EditorPresenterTest, SaveTaggedAsAsksForTheHeaderAndWritesTheTaggedRecords) {
  const std::string path = dir_.Sample("five.xms", 5);
  const std::string before = ReadFile(path);
  Open(path);
  Select({1, 3});
  presenter_.OnCommand(kTagSelected);
  const std::string target = dir_.path() + "part.xms";
  host_.ExpectSaveFileName(target, kCaption + " Save taged Rec into file As ...");
  host_.ExpectMessage("I saved taged records into file:\r\n\r\n" + target + "  ", kCaption + "  Info", Buttons::Ok,
                      Icon::Information);
  presenter_.OnCommand(kSaveTaggedAs);
  EXPECT_EQ(view_.headerTitle, " MIRANDEX:  Header for Save taged Rec  As file: ''part.xms''");
  EXPECT_EQ(view_.todayNote, "  ...  today date:  07-12-2026");
  ASSERT_TRUE(view_.askedHeader);
  EXPECT_EQ(view_.askedHeader->contentsCode, "M");
  const std::string written = ReadFile(target);
  ASSERT_EQ(written.size(), 3 * kRecordSize);
  EXPECT_EQ(written[82], 'M');
  EXPECT_EQ(written.substr(186, 6), "000002");
  EXPECT_EQ(written.substr(kRecordSize), before.substr(2 * kRecordSize, kRecordSize) + before.substr(4 * kRecordSize, kRecordSize));
  EXPECT_EQ(presenter_.files().changes(), 0);  // the edited file is untouched

  view_.cancelHeader = true;  // Cancel in the header dialog writes nothing
  const std::string other = dir_.path() + "none.xms";
  host_.ExpectSaveFileName(other);
  presenter_.OnCommand(kSaveTaggedAs);
  EXPECT_FALSE(quorla::FileExists(other));
}

TEST_F(EditorPresenterTest, AppendAndRemoveOpenTheViewerWithTheTaggedRecords) {
  Open(dir_.Sample("five.xms", 5));
  presenter_.OnCommand(kAppendTagged);  // nothing tagged: nothing opens
  EXPECT_TRUE(view_.viewers.empty());
  Select({4});
  presenter_.OnCommand(kTagSelected);
  presenter_.OnCommand(kAppendTagged);
  presenter_.OnCommand(kRemoveTagged);
  ASSERT_EQ(view_.viewers.size(), 2u);
  EXPECT_EQ(view_.viewers[0].mode, ViewerMode::Append);
  EXPECT_EQ(view_.viewers[1].mode, ViewerMode::Remove);
  ASSERT_EQ(view_.viewers[0].tagged.size(), 1u);
  char fifth[kRecordSize];
  ASSERT_TRUE(presenter_.files().workingCopy().ReadRecord(5, fifth));
  EXPECT_EQ(view_.viewers[0].tagged[0].text(), std::string_view(fifth, kRecordSize));
  EXPECT_EQ(view_.viewers[0].editedFile, dir_.path() + "five.xms");
}

TEST_F(EditorPresenterTest, HelpBoxesHaveTheirTitles) {
  const std::pair<int, std::string> boxes[] = {
      {601, " What is VA-99 Exchange data file"},
      {605, "Review of possible co-ordination request record types"},
      {603, " Editor control"},
      {607, " Correction of error items in Exchange data files."},
  };
  for (const auto& [id, title] : boxes) {
    host_.ExpectMessage(HelpBoxOf(id, quorla::Language::English, "").text, kCaption + title, Buttons::Ok,
                        Icon::Information);
    presenter_.OnCommand(id);
  }
  host_.ExpectMessage("Editor of Exchange data files for Mobile service  \r\nof Vienna Agreement 99 (Berlin Agreement).",
                      kCaption + " About this program", Buttons::Ok, Icon::Information);
  presenter_.OnCommand(606);
  const HelpBox description = HelpBoxOf(602, quorla::Language::English, "/tmp/quorla-1000/");
  EXPECT_EQ(description.text.substr(description.text.size() - 17), "/tmp/quorla-1000/");
  host_.ExpectMessage(description.text, kCaption + " Editor description", Buttons::Ok, Icon::Information);
  presenter_.OnCommand(602);
}

// 604, the list of error marks, belongs to the error search (its own tests).
TEST(EditorHelpTexts, EveryBoxHasBothLanguages) {
  for (int id = 601; id <= 607; ++id) {
    if (id == 604) continue;
    EXPECT_FALSE(HelpBoxOf(id, quorla::Language::Czech, "").text.empty()) << id;
    EXPECT_NE(HelpBoxOf(id, quorla::Language::Czech, "").text, HelpBoxOf(id, quorla::Language::English, "").text);
  }
}

// The record types box names the agreement's mobile classes and the whole-country rule.
TEST(EditorHelpTexts, RecordTypesFollowTheAgreement) {
  for (const auto language : {quorla::Language::English, quorla::Language::Czech}) {
    const std::string text = HelpBoxOf(605, language, "").text;
    EXPECT_NE(text.find("(ML, MR, MS)"), std::string::npos);
    EXPECT_EQ(text.find("MO"), std::string::npos);
    EXPECT_NE(text.find(language == quorla::Language::English ? "[4C] blank" : "[4C] prázdné"), std::string::npos);
  }
}

// The Corrections menu carries the error search's own captions from the start, in both languages.
TEST(EditorMenus, CorrectionsCaptionsFromTheStart) {
  const struct {
    int id;
    const char* english;
    const char* czech;
  } kItems[] = {
      {401, "1. Automatic correction of errors in records", "1. Automatická oprava chyb v rekordech"},
      {402, "2.a. Find out and correct errors that will cause Calc. errors",
       "2.a. Vyhledání a oprava chyb,  které způsobí chyby při Výpočtu"},
      {403, "2.b. Find out and correct  ALL errors in records", "2.b. Vyhledání a oprava  VŠECH chyb v rekordech"},
  };
  const MenuDefinition& corrections = MenuBar()[static_cast<size_t>(MenuPosition::Corrections)];
  ASSERT_EQ(corrections.items.size(), std::size(kItems));
  for (size_t i = 0; i < std::size(kItems); ++i) {
    EXPECT_EQ(corrections.items[i].id, kItems[i].id);
    EXPECT_EQ(corrections.items[i].text(quorla::Language::English), kItems[i].english);
    EXPECT_EQ(corrections.items[i].text(quorla::Language::Czech), kItems[i].czech);
  }
}

class CzechEditorTest : public EditorPresenterTest {
 protected:
  CzechEditorTest() : EditorPresenterTest(quorla::Language::Czech) {}
};

TEST_F(CzechEditorTest, CzechTitleAndStatus) {
  EXPECT_EQ(view_.title, " MIRANDEX:  Editor ''Exchange data'' souborů VA-99, MS  (ver.1.7)");
  host_.ExpectOpenFileName(dir_.Sample("five.xms", 5));
  presenter_.OnCommand(kOpenButton);
  EXPECT_EQ(view_.status[0], " Obsah souboru:  5  Rec");
  EXPECT_EQ(view_.status[1], " Rec  1  vybrán");
  EXPECT_EQ(view_.status[2], " Označené Rec:  0");
  EXPECT_EQ(view_.status[4], " Původní pořadí");
  EXPECT_EQ(view_.editMenu[0].text, "\u00A4  Označit vybrané rekordy");
}

// A Host whose event round presses the close box while the list is being built.
class ClosingHost : public quorla::ScriptedHost {
 public:
  void ProcessEvents() override {
    ScriptedHost::ProcessEvents();
    if (presenter && eventPumps() == 2) closeAllowed = presenter->OnCloseRequest();
  }
  EditorPresenter* presenter = nullptr;
  bool closeAllowed = true;
};

TEST(EditorPresenterBuild, CloseDuringTheBuildStopsItAndCloses) {
  ScratchFolder dir;
  ClosingHost host;
  RecordingEditorView view;
  EditorPresenter presenter(host, view, {kCaption, quorla::Language::English, "", ""});
  presenter.Start();
  host.presenter = &presenter;
  host.ExpectOpenFileName(dir.Sample("big.xms", 20000));
  presenter.OnCommand(kOpenFile);
  EXPECT_FALSE(host.closeAllowed);  // asked while building: the build stops first
  EXPECT_LT(presenter.list().size(), 20000u);
  EXPECT_GT(view.progressSteps, 1);
  EXPECT_FALSE(view.progressShown);
  EXPECT_EQ(view.closed, 1);
  presenter.Finish();
  host.VerifyAllConsumed();
}

TEST(EditorPresenterStart, LongCaptionBeginsTheTitle) {
  quorla::ScriptedHost host;
  RecordingEditorView view;
  const std::string caption(254, 'C');
  EditorPresenter presenter(host, view, {caption, quorla::Language::English, "", ""});
  presenter.Start();
  EXPECT_EQ(view.title.rfind(caption + " Editor of", 0), 0u);
}

}  // namespace

TEST_F(EditorPresenterTest, ErrorSearchRestrictsTheMenusAndItsItemCancelsIt) {
  // Five clean records; the third gets a station class that is no code of the agreement.
  const std::string path = dir_.Sample("five.xms", 5);
  std::string bytes = ReadFile(path);
  bytes.replace(3 * kRecordSize + 13, 2, "QQ");
  ASSERT_TRUE(quorla::WriteFileAtomically(path, bytes));
  Open(path);
  presenter_.OnCommand(403);
  EXPECT_FALSE(view_.menus[MenuPosition::File]);
  EXPECT_FALSE(view_.menus[MenuPosition::Sort]);
  EXPECT_FALSE(view_.menus[MenuPosition::Utilities]);
  EXPECT_TRUE(view_.menus[MenuPosition::Corrections]);
  EXPECT_EQ(view_.itemTexts[403], "Cancel  of  Find out errors in records");
  ASSERT_EQ(view_.editMenu.size(), 1u);
  EXPECT_EQ(view_.editMenu[0].id, 207);
  const size_t row = presenter_.list().RowOfRecord(3);
  EXPECT_NE(presenter_.list().Mark(row), ' ') << "the faulty record is marked";
  EXPECT_EQ(presenter_.list().Mark(presenter_.list().RowOfRecord(1)), ' ');

  presenter_.OnCommand(403);  // its own item again: Cancel
  EXPECT_TRUE(view_.menus[MenuPosition::File]);
  EXPECT_TRUE(view_.menus[MenuPosition::Sort]);
  EXPECT_EQ(view_.itemTexts[403], "2.b. Find out and correct  ALL errors in records");
  EXPECT_GT(view_.editMenu.size(), 1u);
  EXPECT_EQ(presenter_.list().Mark(row), ' ');
}

TEST_F(EditorPresenterTest, AutomaticCorrectionRepairsTheWorkingCopyAndCountsTheRepairs) {
  // Two of five records carry the class "MO", which the correction makes "ML".
  const std::string path = dir_.Sample("five.xms", 5);
  std::string bytes = ReadFile(path);
  for (const int k : {2, 4}) bytes.replace(k * kRecordSize + 13, 2, "MO");
  ASSERT_TRUE(quorla::WriteFileAtomically(path, bytes));
  Open(path);
  presenter_.OnCommand(305);  // sorted: the correction lists the file in file order again
  presenter_.OnCommand(401);
  EXPECT_TRUE(view_.correctionClosed);
  EXPECT_EQ(view_.correctionCount, " 2");
  EXPECT_EQ(presenter_.files().changes(), 2);
  EXPECT_EQ(presenter_.list().order(), 300);
  char record[kRecordSize];
  ASSERT_TRUE(const_cast<FileCommands&>(presenter_.files()).workingCopy().ReadRecord(2, record));
  EXPECT_EQ(std::string(record + 13, 2), "ML");
  EXPECT_EQ(ReadFile(path), bytes) << "the edited file waits for the save";
  host_.ExpectMessage(
      "You have made  2  changes,  but only  \r\nin Working copy  of  Edited file.\r\n\r\n"
      "Do you want to Save changes into Edited file  ?  ",
      " " + kCaption, Buttons::YesNoCancel, Icon::Question, Answer::No);
  EXPECT_TRUE(presenter_.OnCloseRequest()) << "the repairs are changes: leaving asks first";
}

// After the pass the editor lists the working copy in file order again: tags, error marks and the
// deleted count go, a running search ends, the status and the header show the corrected copy.
TEST_F(EditorPresenterTest, CorrectionReloadsTheListInFileOrderAndEndsTheSearch) {
  const std::string path = dir_.Sample("five.xms", 5);
  std::string bytes = ReadFile(path);
  bytes.replace(3 * kRecordSize + 13, 2, "QQ");
  ASSERT_TRUE(quorla::WriteFileAtomically(path, bytes));
  Open(path);
  presenter_.OnCommand(305);
  Select({0});
  presenter_.OnCommand(kTagSelected);
  presenter_.OnCommand(kDeleteTagged);
  ASSERT_EQ(view_.information, "DEL Rec: 1");
  presenter_.OnCommand(403);
  ASSERT_NE(presenter_.list().Mark(presenter_.list().RowOfRecord(3)), ' ');
  view_.headerForm.boxes.clear();

  host_.ExpectMessage(
      "You have made  1  changes,  but only  \r\nin Working copy  of  Edited file.\r\n\r\n"
      "Do you want to Save changes into Edited file  ?  ",
      " " + kCaption, Buttons::YesNoCancel, Icon::Question, Answer::No);
  presenter_.OnCommand(401);
  EXPECT_EQ(presenter_.list().RecordNumbers(), (std::vector<uint32_t>{1, 2, 3, 4, 5}));
  EXPECT_EQ(presenter_.list().order(), 300);
  EXPECT_EQ(view_.checked, 300);
  for (size_t row = 0; row < presenter_.list().size(); ++row) EXPECT_EQ(presenter_.list().Mark(row), ' ') << row;
  EXPECT_EQ(presenter_.list().TaggedCount(), 0u);
  EXPECT_TRUE(view_.menus[MenuPosition::File]) << "the search has ended";
  EXPECT_TRUE(view_.menus[MenuPosition::Sort]);
  EXPECT_EQ(view_.itemTexts[403], "2.b. Find out and correct  ALL errors in records");
  EXPECT_EQ(view_.status[4], "...  starting data from file:  5  Rec");
  EXPECT_EQ(view_.information, "");
  EXPECT_EQ(presenter_.counts().deleted, 0);
  EXPECT_FALSE(view_.headerForm.boxes.empty());
  EXPECT_EQ(view_.selected, (std::set<size_t>{0}));
}

// --- the record and header forms in the editor ------------------------------------------------------

namespace {

std::string FileOf(const std::vector<StationRecord>& records) {
  std::string bytes = FixWidth("01Register                                                                        OCZEJAN NOVAK", kRecordSize);
  bytes.replace(126, 6, "123456");
  bytes.replace(186, 14, std::to_string(1000000 + records.size()).substr(1) + "07122026");
  for (const StationRecord& r : records) bytes.append(r.bytes, kRecordSize);
  return bytes;
}

// The road of a user: open a file, search its errors, correct a record in the form, save it and
// the file; the file on disk holds the correction and nothing else changed.
TEST_F(EditorPresenterTest, ErrorSearchCorrectedInTheFormAndSaved) {
  const std::vector<StationRecord> records{Fixed(), Fixed({{Item::k4B, ""}}), Fixed(), Fixed({{Item::k1Z, "7"}})};
  const std::string path = dir_.path() + "M_ROAD.xms";
  ASSERT_TRUE(quorla::WriteFileAtomically(path, FileOf(records)));
  Open(path);
  presenter_.OnCommand(kAllErrorSearch);
  EXPECT_EQ(view_.recordForm.firstButton, " Find error");
  EXPECT_EQ(view_.status[2], " Rec with Errors:  2");
  ASSERT_EQ(view_.selected, (std::set<size_t>{1}));

  presenter_.OnPageRequest(kRecordPage);
  ASSERT_EQ(view_.page, kRecordPage);
  for (int id : {kSaveRecord, kAddRecord, kClearRecord}) EXPECT_FALSE(view_.editMenuItem(id)->enabled) << id;
  host_.ExpectMessage("Missing Country of station  !!  ", kCaption + " Error", Buttons::Ok, Icon::Exclamation);
  presenter_.OnCommand(kFormFirstButton);
  EXPECT_EQ(view_.recordForm.focus, (Focus{19, 0, 3}));
  presenter_.recordForm().Typed(19, "cze", 3);
  host_.ExpectMessage("No errors  or  no next errors  !!  ", kCaption + " no Error", Buttons::Ok, Icon::Information);
  presenter_.OnCommand(kFormFirstButton);

  presenter_.OnCommand(kSaveRecord);
  EXPECT_EQ(presenter_.list().Mark(1), ' ');
  EXPECT_EQ(view_.status[2], " Rec with Errors:  1");
  // The saved record's line stays selected without its letter and the form shows the record of
  // that line: the list and the form agree. The other faulty line keeps its letter.
  EXPECT_EQ(view_.selected, (std::set<size_t>{1}));
  EXPECT_EQ(view_.recordForm.number, "Rec No. = " + std::to_string(presenter_.list().RecordNumber(1)));
  EXPECT_EQ(presenter_.list().Mark(3), '2');
  EXPECT_FALSE(presenter_.files().formDirty());

  host_.ExpectMessage("I saved edited file:\r\n\r\n" + path + "  ", kCaption + "  Info", Buttons::Ok, Icon::Information);
  presenter_.OnCommand(kSaveFile);
  const std::string after = ReadFile(path);
  std::string expected = FileOf({Fixed(), Fixed({{Item::k4B, "CZE"}}), Fixed(), Fixed({{Item::k1Z, "7"}})});
  EXPECT_EQ(after, expected);
}

// What a user does with a register: open it, search the errors, correct the faulty record in the
// form (a typed country, the antenna chosen in the antenna editor, the site taken from the map),
// save the record and the file; the file on disk then holds exactly the corrected station.
TEST_F(EditorPresenterTest, OpenSearchCorrectWithTheMapAndTheAntennaEditorSave) {
  class DialogWindow : public CoordinatesDialogView {
    void ShowPosition(const std::string&, const std::string&) override {}
    uint32_t WindowHandle() const override { return 7; }
    void Close() override {}
  } dialogWindow;
  ScriptedLibraryCalls calls;
  RecordingEditorView view;
  EditorPresenter editor(host_, view, {kCaption, quorla::Language::English, "/tmp/quorla-1000/", "", {}, &calls});
  editor.Start();
  const std::vector<StationRecord> records{
      Fixed(), Fixed({{Item::k4B, ""}, {Item::k9XH, "000ND00"}, {Item::k4C, "015E100049N5959"}}), Fixed()};
  const std::string path = dir_.path() + "M_WHOLE.xms";
  ASSERT_TRUE(quorla::WriteFileAtomically(path, FileOf(records)));
  host_.ExpectOpenFileName(path);
  editor.OnCommand(kOpenFile);
  editor.OnCommand(kAllErrorSearch);
  ASSERT_EQ(view.selected, (std::set<size_t>{1}));
  editor.OnPageRequest(kRecordPage);
  host_.ExpectMessage("Missing Country of station  !!  ", kCaption + " Error", Buttons::Ok, Icon::Exclamation);
  editor.OnCommand(kFormFirstButton);
  editor.recordForm().Typed(view.recordForm.focus.box, "CZE", 3);

  // The antenna editor, opened from [9XH], transfers the station's real antenna.
  editor.recordForm().Focused(RecordBoxOf(Item::k9XH).id);
  std::optional<InfoRequest> antenna = editor.recordForm().Info();
  ASSERT_TRUE(antenna);
  calls.result = 1;
  calls.hcode = "030EA10", calls.vcode = "000ND00", calls.aziMax = 45, calls.eleMax = -2.5f;
  const std::optional<BoxWrites> codes = CallAntennaEditor(*antenna, calls, 7);
  ASSERT_TRUE(codes);
  editor.recordForm().Apply(*codes);

  // The site is taken from the map through the [4C] Info dialog.
  editor.recordForm().Focused(kLongitudeBox);
  std::optional<InfoRequest> site = editor.recordForm().Info();
  ASSERT_TRUE(site);
  quorla::SettingsStore settings(dir_.path() + "registry.ini");
  calls.terrainDirectory = "/data/topo";
  calls.coords = "014E2530,50N0530";
  CoordinatesDialogPresenter dialog(host_, *site, dialogWindow, calls, settings);
  dialog.Start();
  dialog.FromMap();
  ASSERT_TRUE(calls.map);
  EXPECT_EQ(BlockFieldText(calls.map->coords), "015E1000,49N5959");  // the map opens on the record's site
  editor.recordForm().Apply(dialog.writes());

  host_.ExpectMessage("No errors  or  no next errors  !!  ", kCaption + " no Error", Buttons::Ok, Icon::Information);
  editor.OnCommand(kFormFirstButton);
  editor.OnCommand(kSaveRecord);
  EXPECT_EQ(editor.list().Mark(1), ' ');
  EXPECT_NE(view.recordForm.firstButton, " Find error");  // the last faulty record ended the search
  host_.ExpectMessage("I saved edited file:\r\n\r\n" + path + "  ", kCaption + "  Info", Buttons::Ok,
                      Icon::Information);
  editor.OnCommand(kSaveFile);
  EXPECT_EQ(ReadFile(path), FileOf({Fixed(), Fixed(), Fixed()}));
  editor.Finish();
}

// Correcting the last marked record ends the search as its Cancel does: the menus, captions,
// the form's first button and the Edit items of the form come back, no mark is left.
TEST_F(EditorPresenterTest, CorrectingTheLastMarkedRecordEndsTheSearch) {
  const std::vector<StationRecord> records{Fixed({{Item::k1Z, "7"}}), Fixed(), Fixed({{Item::k4B, ""}})};
  const std::string path = dir_.path() + "M_END.xms";
  ASSERT_TRUE(quorla::WriteFileAtomically(path, FileOf(records)));
  Open(path);
  presenter_.OnCommand(kCalcErrorSearch);
  ASSERT_EQ(view_.status[2], " Rec with Errors:  2");
  ASSERT_FALSE(view_.menus[MenuPosition::File]);
  const struct {
    size_t row;
    int box;
    const char* typed;
    const char* errorsAfter;  // status part 2 after the save
    const char* firstButton;
  } kSteps[] = {
      {0, 12, "2", " Rec with Errors:  1", " Find error"},
      {2, 19, "AUT", "", " New Rec"},
  };
  for (const auto& step : kSteps) {
    SCOPED_TRACE(step.row);
    ASSERT_FALSE(presenter_.ListMenuAllowed());
    Select({step.row});
    presenter_.OnPageRequest(kRecordPage);
    ASSERT_EQ(view_.page, kRecordPage);
    presenter_.recordForm().Typed(step.box, step.typed, static_cast<int>(std::string(step.typed).size()));
    presenter_.OnCommand(kSaveRecord);
    EXPECT_EQ(presenter_.list().Mark(step.row), ' ');
    EXPECT_EQ(view_.status[2].rfind(" Rec with Errors:", 0) == 0, std::string(step.errorsAfter).size() > 0);
    if (*step.errorsAfter) {
      EXPECT_EQ(view_.status[2], step.errorsAfter);
    }
    EXPECT_EQ(view_.recordForm.firstButton, step.firstButton);
    presenter_.OnPageRequest(kListPage);
  }
  EXPECT_TRUE(presenter_.ListMenuAllowed());
  for (MenuPosition m : {MenuPosition::File, MenuPosition::Edit, MenuPosition::Sort, MenuPosition::Corrections,
                         MenuPosition::Utilities})
    EXPECT_TRUE(view_.menus[m]) << static_cast<int>(m);
  EXPECT_EQ(view_.itemTexts[kCalcErrorSearch], "2.a. Find out and correct errors that will cause Calc. errors");
  for (int id : {kAutomaticCorrection, kCalcErrorSearch, kAllErrorSearch}) EXPECT_TRUE(view_.items[id]) << id;
  for (size_t row = 0; row < presenter_.list().size(); ++row) EXPECT_EQ(presenter_.list().Mark(row), ' ') << row;
  presenter_.OnPageRequest(kRecordPage);
  for (int id : {kSaveRecord, kAddRecord, kClearRecord}) EXPECT_TRUE(view_.editMenuItem(id)->enabled) << id;
  EXPECT_EQ(presenter_.files().changes(), 2);
}

// The date and time dialog runs over the editor with the editor's caption and Host; the clock is
// the scripted Host's.
TEST_F(EditorPresenterTest, DateAndTimeDialogSetsTheClockThroughTheHost) {
  view_.clockDateKeys = "01022003";
  presenter_.OnCommand(kDateTimeSetting);
  EXPECT_EQ(view_.clockTitle, kCaption + " Setting  of  PC Date + Time");
  EXPECT_EQ(view_.clockShown, "07-12-2026");  // the scripted Host's today
  EXPECT_TRUE(view_.clockConfirmed);
  ASSERT_TRUE(host_.clockSet());
  EXPECT_EQ(host_.clockSet()->year, 2003);
  EXPECT_EQ(host_.clockSet()->month, 2);
  EXPECT_EQ(host_.clockSet()->day, 1);
}

// The settings of the map library from the Utilities menu: the directory dialog and the entry-box
// properties dialog get the editor window, 90, 0, the language and the title prefix (and the
// directory dialog its byte 1); the properties the dialog stored are used by the record form at
// once and read again by a restarted editor. Greyed with their menu during the error search.
TEST_F(EditorPresenterTest, SettingsDialogsAndTheEntryBoxPropertiesTakingEffectAtOnce) {
  const char* before = std::getenv("QUORLA_CONFIG_HOME");
  const std::string saved = before ? before : "";
  ::setenv("QUORLA_CONFIG_HOME", dir_.path().c_str(), 1);
  ScriptedLibraryCalls calls;
  RecordingEditorView view;
  EditorPresenter editor(host_, view, {kCaption, quorla::Language::Czech, "/tmp/quorla-1000/", "", {}, &calls});
  editor.Start();
  editor.OnCommand(kDirectorySetting);
  ASSERT_TRUE(calls.directorySettings);
  const TransfSourParams& b = *calls.directorySettings;  // packed: members read by value
  EXPECT_EQ(uint32_t{b.parent}, 4711u);
  EXPECT_EQ(int{b.x}, 90);
  EXPECT_EQ(int{b.y}, 0);
  EXPECT_EQ(int{b.language}, 1);
  EXPECT_EQ(BlockFieldText(b.caption), kCaption);
  EXPECT_EQ(int{b.kind}, 1);

  const terrainmap::GeoBoxProperties chosen{-1, 1, 1, 0};
  quorla::SettingsStore store;
  ASSERT_TRUE(store.SetText(quorla::kQuorlaKey, "GeoTxtBox", terrainmap::FormatGeoBoxProperties(chosen)));
  calls.result = 0;  // Cancel: nothing changes
  editor.OnCommand(kGeoBoxSetting);
  ASSERT_TRUE(calls.entryBoxSettings);
  EXPECT_EQ(int{calls.entryBoxSettings->x}, 90);
  EXPECT_EQ(BlockFieldText(calls.entryBoxSettings->caption), kCaption);
  EXPECT_EQ(editor.recordForm().geoBoxProperties(), terrainmap::GeoBoxProperties{});
  calls.result = 1;  // OK: the dialog stored them
  editor.OnCommand(kGeoBoxSetting);
  EXPECT_EQ(editor.recordForm().geoBoxProperties(), chosen);
  EXPECT_EQ(view.recordForm.geo, chosen);
  // Typing into the longitude box follows them: one step after the third degree digit (lonSkip 1).
  EXPECT_EQ(editor.recordForm().Typed(20, "015", 3).selectionStart, 4);

  EditorPresenter restarted(host_, view, {kCaption, quorla::Language::English, "/tmp/quorla-1000/", "",
                                          ReadEditorSettings(store, true).geoBoxProperties});
  EXPECT_EQ(restarted.recordForm().geoBoxProperties(), chosen);

  const std::string path = dir_.Sample("three.xms", 3);
  host_.ExpectOpenFileName(path);
  editor.OnCommand(kOpenFile);
  editor.OnCommand(kAllErrorSearch);
  calls.directorySettings.reset();
  calls.entryBoxSettings.reset();
  for (int id : {kDateTimeSetting, kDirectorySetting, kGeoBoxSetting}) editor.OnCommand(id);
  EXPECT_FALSE(calls.directorySettings);
  EXPECT_FALSE(calls.entryBoxSettings);
  EXPECT_FALSE(host_.clockSet());
  editor.Finish();
  if (before) {
    ::setenv("QUORLA_CONFIG_HOME", saved.c_str(), 1);
  } else {
    ::unsetenv("QUORLA_CONFIG_HOME");
  }
}

TEST_F(EditorPresenterTest, NewRecordsAreAddedAndPlacedByTheSortOrder) {
  const std::string path = dir_.path() + "M_NEW.xms";
  ASSERT_TRUE(quorla::WriteFileAtomically(path, FileOf({Fixed(), Fixed({{Item::k4A, "ZLIN"}})})));
  Open(path);
  presenter_.OnCommand(302);  // by name
  Select({0});
  presenter_.OnPageRequest(kRecordPage);
  host_.SetNow({2026, 12, 7, 11, 0, 0});
  presenter_.OnCommand(kAddRecord);
  EXPECT_EQ(view_.recordForm.number, "New Rec No. = 3");
  EXPECT_EQ(view_.editMenuItem(kRestoreRecord)->text, "Cancel new record");
  RecordFormPresenter& form = presenter_.recordForm();
  form.Typed(11, "150.5", 5);
  form.Typed(18, "brno", 4);
  form.Typed(19, "cze", 3);
  form.Typed(24, "16k0f3e", 7);
  form.Typed(31, "3", 1);
  form.Typed(17, "01022003", 8);
  form.Typed(13, "fx", 2);
  form.Typed(34, "", 0);  // the default 0 MHz of [1Y] lies in no band
  presenter_.OnCommand(kSaveRecord);
  EXPECT_EQ(view_.recordForm.number, "Rec No. = 3");
  EXPECT_EQ(presenter_.list().size(), 3u);
  const size_t row = presenter_.list().RowOfRecord(3);
  EXPECT_EQ(row, 0u);  // BRNO before PRAHA and ZLIN
  EXPECT_EQ(view_.selected, (std::set<size_t>{row}));
  EXPECT_EQ(presenter_.counts().added, 1);
  EXPECT_EQ(presenter_.files().changes(), 1);
  EXPECT_EQ(view_.information, "Rec No. = 3");
  EXPECT_EQ(view_.editMenuItem(kRestoreRecord)->text, "Restore record data");
}

TEST_F(EditorPresenterTest, LeavingAChangedFormAsks) {
  Open(dir_.Sample("five.xms", 5));
  Select({2});
  presenter_.OnPageRequest(kRecordPage);
  presenter_.recordForm().Typed(18, "", 0);
  host_.ExpectMessage("           Save  changes  ?", " " + kCaption, Buttons::YesNoCancel, Icon::Question, Answer::Cancel);
  presenter_.OnPageRequest(kListPage);
  EXPECT_EQ(view_.page, kRecordPage);
  // Yes runs the save, whose check refuses the empty name: the page stays.
  host_.ExpectMessage("           Save  changes  ?", " " + kCaption, Buttons::YesNoCancel, Icon::Question, Answer::Yes);
  host_.ExpectMessage("Missing Name of station  !!  \r\n\r\nMay I ignore it  ?", kCaption + " Error", Buttons::YesNo,
                      Icon::Exclamation, Answer::No);
  presenter_.OnPageRequest(kListPage);
  EXPECT_EQ(view_.page, kRecordPage);
  EXPECT_EQ(view_.recordForm.focus.box, 18);
  host_.ExpectMessage("           Save  changes  ?", " " + kCaption, Buttons::YesNoCancel, Icon::Question, Answer::No);
  presenter_.OnPageRequest(kHeaderPage);
  EXPECT_EQ(view_.page, kHeaderPage);
  EXPECT_FALSE(presenter_.files().formDirty());
  EXPECT_EQ(presenter_.files().changes(), 0);
  presenter_.OnCommand(kClearHeader);
  EXPECT_EQ(view_.headerForm.status, " Header cleared");
  host_.ExpectMessage(
      "You have made  1  changes,  but only  \r\nin Working copy  of  Edited file.\r\n\r\n"
      "Do you want to Save changes into Edited file  ?  ",
      " " + kCaption, Buttons::YesNoCancel, Icon::Question, Answer::Yes);
  host_.ExpectMessage("Mising File contents  !!", kCaption + " Error", Buttons::Ok, Icon::Error);
  EXPECT_FALSE(presenter_.OnCloseRequest());  // the refused header ends the save: the window stays
}

}  // namespace
// During the error search the mark column holds the error letters: presses in it, multiple
// selections and the tag commands leave the marks and their count equal at every step, and
// "Delete  records with errors" then deletes exactly the counted records.
TEST_F(EditorPresenterTest, ErrorMarksAndTheirCountStayEqualDuringTheSearch) {
  const std::string path = dir_.Sample("ten.xms", 10);
  std::string bytes = ReadFile(path);
  for (const int k : {2, 5, 8}) bytes.replace(k * kRecordSize + 13, 2, "QQ");
  ASSERT_TRUE(quorla::WriteFileAtomically(path, bytes));
  Open(path);
  presenter_.OnCommand(403);
  const RecordList& list = presenter_.list();
  auto marks = [&] {
    size_t n = 0;
    for (size_t row = 0; row < list.size(); ++row) n += list.Mark(row) != ' ';
    return n;
  };
  ASSERT_EQ(marks(), 3u);
  EXPECT_FALSE(presenter_.ListMenuAllowed());
  const size_t marked = list.RowOfRecord(2);
  const struct {
    std::vector<size_t> rows;
    size_t caret;
    bool tagColumnPress;
  } kSteps[] = {
      {{marked}, marked, true},  // twice on a marked line: a toggle would remove its mark
      {{marked}, marked, true},
      {{0}, 0, true},            // an unmarked line: a toggle would add one
      {{1, 2, 3}, 3, false},     // Shift-click: reduced to the caret line
      {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 5, true},
  };
  for (const auto& step : kSteps) {
    SCOPED_TRACE(step.caret);
    view_.SelectRows(step.rows, step.caret);
    presenter_.OnSelectionChanged(step.tagColumnPress);
    EXPECT_EQ(marks(), 3u);
    EXPECT_EQ(view_.selected, (std::set<size_t>{step.caret}));
    EXPECT_EQ(view_.status[2], " Rec with Errors:  3");
  }
  for (const int id : {kTagSelected, kTagAll, kUntagSelected, kUntagAll, kToggleTags}) {
    presenter_.OnCommand(id);
    EXPECT_EQ(marks(), 3u) << id;
  }
  presenter_.OnCommand(kDeleteRecordsWithErrors);
  EXPECT_EQ(list.size(), 7u);
  EXPECT_EQ(presenter_.counts().deleted, 3);
  for (const uint32_t k : {2u, 5u, 8u}) EXPECT_EQ(list.RowOfRecord(k), list.size()) << k;
  EXPECT_EQ(marks(), 0u);
  EXPECT_EQ(view_.status[2], " Rec with Errors:  0");
}
