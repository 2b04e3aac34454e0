#pragma once
// The editor's main window without its widgets: the title, the menus and their enabling, the
// command dispatch to the file commands, the record list and tagging, the page changes, Esc and
// the close box with the save question, and the status bar. Qt-free: the window is an EditorView,
// every message goes through the Host.
#include <array>
#include <optional>
#include <string>

#include "correction/correction_dialog_presenter.h"
#include "forms/library_calls.h"
#include "utilities/clock_dialog_presenter.h"
#include "editor/editor_view.h"
#include "forms/header_form_presenter.h"
#include "forms/record_form_presenter.h"
#include "host.h"
#include "listing/record_list.h"
#include "listing/tagging.h"
#include "search/error_search_presenter.h"
#include "search/error_search_view.h"
#include "search/search_texts.h"
#include "session/file_commands.h"

namespace recbook {

struct EditorStart {
  std::string caption;
  quorla::Language language = quorla::Language::English;
  std::string tempDirectory;  // shown at the end of the Help box "Editor description"
  std::string lastDirectory;  // archXMS as read at start
  terrainmap::GeoBoxProperties geoBoxProperties;  // GeoTxtBox, for the co-ordinate entry boxes
  LibraryCalls* libraries = nullptr;  // the map library's and the antenna editor's windows
};

class EditorPresenter : private FileCommandsView, private ErrorSearchView {
 public:
  EditorPresenter(quorla::Host& host, EditorView& view, EditorStart start);

  // Title, menus, page 0 and its Edit menu: the window as it opens.
  void Start();

  // A menu command, an image button (6, 7) or Esc (2).
  void OnCommand(int id);
  // The close box; true when the window may close.
  bool OnCloseRequest();
  // The user chose another tab.
  void OnPageRequest(int page);
  // The list's selection changed; tagColumnPress when a left press in the tag column caused it.
  void OnSelectionChanged(bool tagColumnPress);
  void OnDoubleClick(size_t row);
  // The right button in the list pops up the Edit menu, except during the error search.
  bool ListMenuAllowed() const { return !search_.searching(); }

  // The window closed: the working copy is deleted. Returns the last directory (for archXMS).
  std::string Finish();

  const RecordList& list() const { return list_; }
  int page() const { return page_; }
  const FileCommands& files() const { return files_; }
  const EditCounts& counts() const { return counts_; }
  bool building() const { return building_; }
  const EditorStart& start() const { return start_; }
  RecordFormPresenter& recordForm() { return recordForm_; }
  HeaderFormPresenter& headerForm() { return headerForm_; }

 private:
  // FileCommandsView
  bool StoreForm() override;
  std::vector<uint32_t> ListedRecords(bool taggedOnly) const override;
  std::optional<std::string> TaggedRecordsHeader(const std::string& target) override;
  void ShowFileField(const std::string& text) override { view_.SetFileField(text); }
  void ShowHeaderInfo(const std::string& text) override { view_.SetHeaderInfo(text); }
  void EnableSaveCommands(bool save, bool saveAs, bool saveCrLfAs) override;
  void ShowOpenedFile(uint64_t records) override;
  void ShowNewFile() override;
  void ShowNoFile() override;
  void ShowProgress(const std::string& title, uint64_t done, uint64_t total) override {
    view_.ShowExportProgress(title, done, total);
  }

  // ErrorSearchView
  void EnableMenu(int barPosition, bool enabled) override;
  void EnableMenuItem(int id, bool enabled) override { view_.SetItemEnabled(id, enabled); }
  void SetMenuCaption(int id, const std::string& text) override { view_.SetItemText(id, text); }
  void ListMarksChanged() override;
  void ListLinesRemoved() override;
  void SelectRow(size_t row) override;
  void SetSearchStatus(const std::string& text) override;
  void SetFormFirstButton(const std::string& text) override { recordForm_.ShowFirstButton(text); }

  // The automatic correction: the dialog runs the pass, the editor rebuilds its list from the
  // corrected working copy.
  void RunCorrection();
  void Utility(int id);
  TransfSourParams SettingsBlock(uint8_t flag) const;
  void ReloadCorrected(const CorrectionOutcome& outcome);

  // Fills the list from the working copy with the progress bar; false when it was stopped.
  bool BuildList();
  void Sort(int order);
  void Tag(int id);
  void DeleteTagged();
  void RunViewer(ViewerMode mode);
  void ShowHelp(int id);
  // Leaves the window when the save question allows it (Esc, Exit).
  void Leave();
  bool MayClose();

  void ShowListPage();
  bool ShowRecordOfRow(size_t row);
  void ShowHeaderPage();
  // The forms: a record or the header from the working copy into its form.
  bool LoadRecordOfRow(size_t row);
  void LoadHeader();
  // The record page's and header page's commands. The stores write the checked form into the
  // working copy; false when a check refused it. The change is counted by the caller.
  void FormCommand(int id);
  bool StoreRecord();
  bool StoreHeader();
  void NewRecord();
  // The number a record added now gets: the working copy's record count + 1.
  uint32_t NextRecordNumber() const;
  // Leaving a changed form asks whether to store it; false when the page must stay.
  bool MayLeaveForm();
  void RebuildEditMenu() override;
  void RefreshMenus();
  void RefreshStatus() override;
  void SetStatus(int part, const std::string& text);
  void SetInformation(const std::string& text);
  void ShowOrderTexts();
  std::string Text(const quorla::BiText& t) const { return std::string(t(start_.language)); }

  quorla::Host& host_;
  EditorView& view_;
  EditorStart start_;
  FileCommands files_;
  RecordList list_;
  EditCounts counts_;
  ErrorSearchPresenter search_;
  RecordFormPresenter recordForm_;
  HeaderFormPresenter headerForm_;
  int page_ = kListPage;
  bool building_ = false;
  bool stopBuild_ = false;
  bool closeAfterBuild_ = false;
  std::array<std::optional<std::string>, 5> status_;
  std::optional<std::string> information_;
};

}  // namespace recbook
