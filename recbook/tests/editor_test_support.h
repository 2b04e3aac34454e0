#pragma once
// A recording editor view and a scratch folder for the presenter tests.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "correction/correction_dialog_presenter.h"
#include "utilities/clock_dialog_presenter.h"
#include "editor/editor_view.h"
#include "forms/tests/form_test_views.h"
#include "tests/scratch_folder.h"

namespace recbook::testing {

class RecordingEditorView : public EditorView {
 public:
  void SetTitle(const std::string& t) override { title = t; }
  void SetMenuEnabled(MenuPosition m, bool e) override { menus[m] = e; }
  void SetItemText(int id, const std::string& text) override { itemTexts[id] = text; }
  void SetItemEnabled(int id, bool e) override { items[id] = e; }
  void SetSortCheck(int order) override { checked = order; }
  void SetEditMenu(const std::vector<EditMenuEntry>& e) override { editMenu = e; }
  const EditMenuEntry* editMenuItem(int id) const {
    for (const EditMenuEntry& e : editMenu)
      if (e.id == id) return &e;
    return nullptr;
  }
  void SetFileField(const std::string& t) override { fileField = t; }
  void SetInformation(const std::string& t) override {
    information = t;
    ++informationWrites;
  }
  void SetStatusPart(int part, const std::string& t) override {
    status[part] = t;
    ++statusWrites;
  }
  void SetColumnHeading(const std::string& t) override { heading = t; }
  void SetHeaderInfo(const std::string& t) override { headerInfo = t; }
  void ShowProgress(uint64_t done, uint64_t total) override {
    progress = {done, total};
    progressShown = true;
    ++progressSteps;
  }
  void HideProgress() override { progressShown = false; }
  void ShowExportProgress(const std::string&, uint64_t, uint64_t) override {}
  void ListReset() override {
    ++resets;
    selected.clear();
    caret = 0;
  }
  void ListRowsChanged(size_t first, size_t last) override { changed = {first, last}; }
  void FocusList() override { ++listFocus; }
  // The selection follows its lines, as the window's model keeps it.
  void ReorderList(const LineReorder& reorder) override {
    std::vector<size_t> rows(selected.begin(), selected.end());
    rows.push_back(caret);
    reorder(rows);
    caret = rows.back();
    selected = {rows.begin(), rows.end() - 1};
    ++reorders;
  }
  std::vector<size_t> SelectedRows() const override { return {selected.begin(), selected.end()}; }
  size_t CaretRow() const override { return caret; }
  void SelectRows(std::span<const size_t> rows, size_t c) override {
    selected = {rows.begin(), rows.end()};
    caret = c;
  }
  void ShowPage(Page p) override { page = p; }
  RecordFormView& RecordForm() override { return recordForm; }
  HeaderFormView& HeaderForm() override { return headerForm; }
  std::optional<HeaderValues> AskTaggedHeader(const std::string& t, const HeaderValues& initial,
                                              const std::string& note) override {
    headerTitle = t;
    todayNote = note;
    askedHeader = initial;
    if (cancelHeader) return std::nullopt;
    return initial;
  }
  void RunFileViewer(const ViewerSetup& s) override { viewers.push_back(s); }
  // The correction dialog as a user who presses OK at once, every option ticked.
  void RunCorrectionDialog(const CorrectionDialogMaker& make) override {
    struct Dialog : CorrectionDialogView {
      void EnableButtons(bool) override {}
      void SetProgressRange(uint64_t) override {}
      void SetProgress(uint64_t) override {}
      void SetRepairCount(const std::string& text) override { count = text; }
      void Pause(int ms) override { paused += ms; }
      void Close() override { closed = true; }
      std::string count;
      int paused = 0;
      bool closed = false;
    } dialog;
    make(dialog)->Ok();
    correctionCount = dialog.count;
    correctionClosed = dialog.closed;
  }
  // The date and time dialog as a user who types a date and presses OK.
  void RunClockDialog(const ClockDialogMaker& make) override {
    struct Dialog : ClockDialogView {
      void ShowTexts(const std::string& d, const std::string&) override { date = d; }
      void FocusBox(ClockBox) override {}
      void Close(bool s) override { set = s; }
      std::string date;
      bool set = false;
    } dialog;
    const std::unique_ptr<ClockDialogPresenter> presenter = make(dialog);
    clockTitle = presenter->Title();
    presenter->Start();
    presenter->Typed(ClockBox::Date, clockDateKeys, static_cast<int>(clockDateKeys.size()));
    presenter->Ok();
    clockShown = dialog.date;
    clockConfirmed = dialog.set;
  }
  uint32_t WindowHandle() const override { return 4711; }
  void CloseWindow() override { ++closed; }

  std::string clockDateKeys, clockTitle, clockShown;
  bool clockConfirmed = false;

  std::string correctionCount;
  bool correctionClosed = false;
  std::string title, fileField, information, heading, headerInfo, headerTitle, todayNote;
  std::map<MenuPosition, bool> menus;
  std::map<int, std::string> itemTexts;
  std::map<int, bool> items;
  int checked = 0;
  std::vector<EditMenuEntry> editMenu;
  std::map<int, std::string> status;
  std::pair<uint64_t, uint64_t> progress;
  bool progressShown = false;
  int progressSteps = 0, resets = 0, reorders = 0, listFocus = 0, closed = 0, informationWrites = 0, statusWrites = 0;
  std::pair<size_t, size_t> changed;
  std::set<size_t> selected;
  size_t caret = 0;
  Page page = kListPage;
  RecordingRecordForm recordForm;
  RecordingHeaderForm headerForm;
  std::optional<HeaderValues> askedHeader;
  bool cancelHeader = false;
  std::vector<ViewerSetup> viewers;
};

}  // namespace recbook::testing
