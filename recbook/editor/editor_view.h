#pragma once
// What the editor's presenter asks of its main window. The Qt window implements it; tests use a
// recording view. Rows are 0-based rows of the record list.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "editor/editor_menus.h"
#include "listing/record_list.h"
#include "forms/header_form_view.h"
#include "forms/record_form_view.h"
#include "viewer/viewer_setup.h"
#include "records/record_builder.h"

namespace recbook {

class ClockDialogPresenter;
class ClockDialogView;
class CorrectionDialogPresenter;
class CorrectionDialogView;

enum Page : int { kListPage = 0, kRecordPage = 1, kHeaderPage = 2 };

struct EditMenuEntry {
  int id;  // 0 = separator
  std::string text;
  bool enabled;
};

class EditorView {
 public:
  virtual ~EditorView() = default;

  virtual void SetTitle(const std::string& title) = 0;
  virtual void SetMenuEnabled(MenuPosition menu, bool enabled) = 0;
  virtual void SetItemEnabled(int id, bool enabled) = 0;
  // A menu item's caption (the error search turns its item into its Cancel).
  virtual void SetItemText(int id, const std::string& text) = 0;
  // Checks the Sort menu item of order and unchecks the others.
  virtual void SetSortCheck(int order) = 0;
  // The Edit menu of the page shown (also the list's right-button menu).
  virtual void SetEditMenu(const std::vector<EditMenuEntry>& items) = 0;

  virtual void SetFileField(const std::string& text) = 0;
  virtual void SetInformation(const std::string& text) = 0;
  // Status bar parts 0 to 4; the presenter sends a part only when its text changed.
  virtual void SetStatusPart(int part, const std::string& text) = 0;
  virtual void SetColumnHeading(const std::string& text) = 0;
  // The header page's information line.
  virtual void SetHeaderInfo(const std::string& text) = 0;

  // The progress bar over status part 0 during a long loop, and its end.
  virtual void ShowProgress(uint64_t done, uint64_t total) = 0;
  virtual void HideProgress() = 0;
  // The small window of the CR+LF export; done == total closes it.
  virtual void ShowExportProgress(const std::string& title, uint64_t done, uint64_t total) = 0;

  // The list's lines changed: all of them (count or order), or the marks of rows first to last.
  virtual void ListReset() = 0;
  virtual void ListRowsChanged(size_t first, size_t last) = 0;
  // The keyboard goes to the list, its caret line current.
  virtual void FocusList() = 0;
  // The lines change their order only: the window runs reorder, its selection following the lines.
  virtual void ReorderList(const LineReorder& reorder) = 0;
  // The selection, ascending, and the caret row.
  virtual std::vector<size_t> SelectedRows() const = 0;
  virtual size_t CaretRow() const = 0;
  virtual void SelectRows(std::span<const size_t> rows, size_t caret) = 0;

  virtual void ShowPage(Page page) = 0;
  // The pages of the record form and the header form; they live as long as the window.
  virtual RecordFormView& RecordForm() = 0;
  virtual HeaderFormView& HeaderForm() = 0;

  // The header dialog of a save of tagged records: the fields as the user confirmed them with OK,
  // nullopt on Cancel. The dialog checks the fields itself (tagged_header_check.h).
  virtual std::optional<HeaderValues> AskTaggedHeader(const std::string& title, const HeaderValues& initial,
                                                      const std::string& todayNote) = 0;
  // The file viewer of Append (mode 1) or Remove (mode 2), modal over the editor.
  virtual void RunFileViewer(const ViewerSetup& setup) = 0;
  // The dialog of the automatic correction (401), modal over the editor: the window makes its
  // widgets, gets their presenter from make and runs until the presenter closes the dialog.
  using CorrectionDialogMaker = std::function<std::unique_ptr<CorrectionDialogPresenter>(CorrectionDialogView&)>;
  virtual void RunCorrectionDialog(const CorrectionDialogMaker& make) = 0;

  // The date and time dialog of the Utilities menu (505), modal over the editor, as the correction
  // dialog: the window makes its widgets and runs the presenter make gives it.
  using ClockDialogMaker = std::function<std::unique_ptr<ClockDialogPresenter>(ClockDialogView&)>;
  virtual void RunClockDialog(const ClockDialogMaker& make) = 0;
  // The window's handle for the parameter blocks of the other libraries' dialogs.
  virtual uint32_t WindowHandle() const = 0;

  virtual void CloseWindow() = 0;
};

}  // namespace recbook
