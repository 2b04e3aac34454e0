#pragma once
// The editor's main window: menu bar (an empty greyed popup, then File to Help), the image
// buttons, the file field, the information label, the tab control with the list, record and
// header pages, and the five-part status bar with the progress bar. It shows what the presenter
// tells it and forwards every command, selection, page change and close to it. The window can be
// resized and maximised: the list takes the growth, the status bar stays at the bottom.
#include <QDialog>
#include <QPointer>
#include <map>
#include <memory>

#include "editor/editor_presenter.h"
#include "editor/editor_settings.h"
#include "editor/editor_view.h"
#include "ui/qt_host.h"

class QLabel;
class QMenu;
class QAction;
class QTabWidget;
class QProgressDialog;

namespace recbook::ui {

class ColumnHeadingBar;
class PathField;
class RecordListModel;
class RecordListView;
class RecordFormPage;
class HeaderFormPage;
class StatusParts;

class EditorWindow : public QDialog, public EditorView {
 public:
  // owner: the caller's window (minimised and restored with the editor), may be null. The window
  // opens at the remembered size, else wide enough for whole list lines where the screen allows.
  EditorWindow(EditorStart start, QWidget* owner, WindowSize remembered = {});
  ~EditorWindow() override;

  // Runs the window modally; returns the last directory when it closed.
  std::string Run();

  // For tests and the screenshot: the parts a user sees.
  EditorPresenter& presenter() { return *presenter_; }
  RecordListView& listView() { return *list_; }
  QMenu* menu(MenuPosition position) const { return menus_.at(position); }
  QAction* action(int id) const;
  QTabWidget& tabs() { return *tabs_; }
  RecordFormPage& recordPage() { return *recordPage_; }
  HeaderFormPage& headerPage() { return *headerPage_; }
  const StatusParts& status() const { return *status_; }
  QString information() const;
  QString fileField() const;
  const ColumnHeadingBar& heading() const { return *heading_; }
  // The size to remember: the normal (not maximised) size.
  WindowSize windowSize() const;

  // EditorView
  void SetTitle(const std::string& title) override;
  void SetMenuEnabled(MenuPosition menu, bool enabled) override;
  void SetItemEnabled(int id, bool enabled) override;
  void SetItemText(int id, const std::string& text) override;
  void SetSortCheck(int order) override;
  void SetEditMenu(const std::vector<EditMenuEntry>& items) override;
  void SetFileField(const std::string& text) override;
  void SetInformation(const std::string& text) override;
  void SetStatusPart(int part, const std::string& text) override;
  void SetColumnHeading(const std::string& text) override;
  void SetHeaderInfo(const std::string& text) override;
  void ShowProgress(uint64_t done, uint64_t total) override;
  void HideProgress() override;
  void ShowExportProgress(const std::string& title, uint64_t done, uint64_t total) override;
  void ListReset() override;
  void ListRowsChanged(size_t first, size_t last) override;
  void FocusList() override;
  void ReorderList(const LineReorder& reorder) override;
  std::vector<size_t> SelectedRows() const override;
  size_t CaretRow() const override;
  void SelectRows(std::span<const size_t> rows, size_t caret) override;
  void ShowPage(Page page) override;
  RecordFormView& RecordForm() override;
  HeaderFormView& HeaderForm() override;
  std::optional<HeaderValues> AskTaggedHeader(const std::string& title, const HeaderValues& initial,
                                              const std::string& todayNote) override;
  void RunFileViewer(const ViewerSetup& setup) override;
  void RunCorrectionDialog(const CorrectionDialogMaker& make) override;
  void RunClockDialog(const ClockDialogMaker& make) override;
  uint32_t WindowHandle() const override;
  void CloseWindow() override;

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildMenus();
  void BuildControls();
  QWidget* BuildListPage();
  void PlaceOnScreen(WindowSize remembered);

  EditorStart start_;
  QPointer<QWidget> owner_;
  quorla::QtHost host_;
  std::unique_ptr<EditorPresenter> presenter_;
  std::map<MenuPosition, QMenu*> menus_;
  std::map<int, QAction*> actions_;
  PathField* fileField_ = nullptr;
  QLabel* information_ = nullptr;
  ColumnHeadingBar* heading_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  RecordListView* list_ = nullptr;
  RecordListModel* model_ = nullptr;
  RecordFormPage* recordPage_ = nullptr;
  HeaderFormPage* headerPage_ = nullptr;
  StatusParts* status_ = nullptr;
  QProgressDialog* exportProgress_ = nullptr;
  bool closing_ = false;
};

}  // namespace recbook::ui
