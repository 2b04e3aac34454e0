#pragma once
// An opened edited file for the presenters of the Corrections menu: records written to a temporary
// folder, opened through the file commands and listed, and recording views of the editor window.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "atomic_file.h"
#include "session/file_commands.h"
#include "listing/record_list.h"
#include "records/item_table.h"
#include "records/record_text.h"
#include "search/error_search_presenter.h"
#include "testing/scripted_host.h"
#include "tests/clean_station.h"

namespace recbook::testing {


// A land mobile station in a service area of 25 km: omnidirectional, 3 m, no site items.
inline StationRecord Mobile(std::initializer_list<Edit> edits = {}) {
  StationRecord r = Fixed({{Item::k6A, "ML"}, {Item::k4D, "   25"}, {Item::k4Z, ""}, {Item::k9A, ""},
                           {Item::k9B, ""}, {Item::k9Y, "   3"}, {Item::k9XH, "000ND00"}});
  for (const Edit& e : edits) SetItem(r, e.first, e.second);
  return r;
}

// The file commands' side of the window: the listed records are those of the list.
// No member says override: the same class fits both forms of TaggedRecordsHeader.
class ListFileView : public FileCommandsView {
 public:
  explicit ListFileView(const RecordList& list) : list_(list) {}
  bool StoreForm() { return true; }
  std::vector<uint32_t> ListedRecords(bool) const { return list_.RecordNumbers(); }
  std::optional<std::string> TaggedRecordsHeader() { return std::nullopt; }
  std::optional<std::string> TaggedRecordsHeader(const std::string&) { return std::nullopt; }
  void ShowFileField(const std::string&) {}
  void ShowHeaderInfo(const std::string&) {}
  void EnableSaveCommands(bool, bool, bool) {}
  void ShowOpenedFile(uint64_t) {}
  void ShowNewFile() {}
  void ShowNoFile() {}
  void ShowProgress(const std::string&, uint64_t, uint64_t) {}

 private:
  const RecordList& list_;
};

// The editor window as the error search sees it: menu states start as with a listed file.
class SearchWindow : public ErrorSearchView {
 public:
  SearchWindow() {
    for (int position = 1; position <= 6; ++position) menus[position] = true;
    for (int id = 401; id <= 403; ++id) items[id] = true;
  }
  void EnableMenu(int position, bool enabled) override { menus[position] = enabled; }
  void EnableMenuItem(int id, bool enabled) override { items[id] = enabled; }
  void SetMenuCaption(int id, const std::string& text) override { captions[id] = text; }
  void RebuildEditMenu() override { ++editMenus; }
  void ListMarksChanged() override { ++markRepaints; }
  void ListLinesRemoved() override { ++removals; }
  void SelectRow(size_t row) override { selected = row; }
  void SetSearchStatus(const std::string& text) override { searchStatus = text; }
  void SetFormFirstButton(const std::string& text) override { formButton = text; }
  void RefreshStatus() override { ++statusRefreshes; }

  std::map<int, bool> menus, items;
  std::map<int, std::string> captions;
  int editMenus = 0, markRepaints = 0, removals = 0, statusRefreshes = 0;
  std::optional<size_t> selected;
  std::string searchStatus, formButton;
};

inline const std::string kCaption = " MIRANDEX: ";

class OpenedFile : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("search_test_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    files_.CloseWorkingCopy();
    host_.VerifyAllConsumed();
    std::filesystem::remove_all(dir_);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }

  // Writes the records under a header dated today, opens the file and lists its records in file
  // order, or in reverse file order when asked.
  void Open(const std::vector<StationRecord>& records, bool reversed = false) {
    std::string bytes = FixWidth("01Test file", kRecordSize);
    const std::string count = std::to_string(1000000 + records.size()).substr(1);
    bytes.replace(186, 6, count);
    bytes.replace(192, 8, "07122026");
    for (const StationRecord& r : records) bytes.append(r.bytes, kRecordSize);
    ASSERT_TRUE(quorla::WriteFileAtomically(Path("M_CZE.xms"), bytes));
    host_.SetNow({2026, 12, 7, 10, 0, 0});
    host_.ExpectOpenFileName(Path("M_CZE.xms"));
    ASSERT_EQ(files_.OpenFileCommand(), 0);
    list_.Clear();
    for (size_t i = 0; i < records.size(); ++i) {
      const size_t k = reversed ? records.size() - i : i + 1;
      list_.Append(records[k - 1], static_cast<uint32_t>(k));
    }
  }
  StationRecord Stored(uint64_t k) const {
    char bytes[kRecordSize];
    EXPECT_TRUE(files_.workingCopy().ReadRecord(k, bytes));
    return RecordFromText<StationRecord>({bytes, kRecordSize});
  }
  std::string Marks() const {
    std::string marks;
    for (size_t row = 0; row < list_.size(); ++row) marks += list_.Mark(row);
    return marks;
  }

  std::filesystem::path dir_;
  quorla::ScriptedHost host_;
  RecordList list_;
  EditCounts counts_;
  ListFileView fileView_{list_};
  FileCommands files_{host_, fileView_, quorla::Language::English, kCaption};
  SearchWindow window_;
  ErrorSearchPresenter search_{host_, window_, list_, files_, counts_, quorla::Language::English, kCaption};
};

}  // namespace recbook::testing
