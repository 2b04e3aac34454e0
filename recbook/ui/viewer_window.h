#pragma once
// The file viewer's window (EXCHVIEW and the editor's Append and Remove): the open button, the
// file field, the mode's action buttons, "&Sorting" with its menu and "&Cancel", the sort label,
// and the three pages over the other file: the list and the editor's record and header forms,
// read-only.
#include <QDialog>
#include <memory>

#include "viewer/viewer_presenter.h"
#include "viewer/viewer_view.h"
#include "ui/qt_host.h"

class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace recbook::ui {

class ColumnHeadingBar;
class PathField;
class RecordListModel;
class RecordListView;
class HeaderFormPage;
class RecordFormPage;

class ViewerWindow : public QDialog, public ViewerView {
 public:
  // transfer: the caller's 102-byte station data area (modes 11 and 12), else null.
  ViewerWindow(const ViewerSetup& setup, void* transfer, QWidget* parent);
  ~ViewerWindow() override;

  // Runs the viewer modally; returns its result text.
  std::string Run();
  ViewerPresenter& presenter() { return *presenter_; }
  QPushButton* button(int command) const;
  QTabWidget& tabs() const { return *tabs_; }
  RecordFormPage& recordPage() const { return *recordPage_; }
  HeaderFormPage& headerPage() const { return *headerPage_; }

  void SetTitle(const std::string& title) override;
  void SetFileField(const std::string& text) override;
  void SetColumnHeading(const std::string& text) override;
  void SetSortLabel(const std::string& text) override;
  void SetHeaderInfo(const std::string& text) override;
  void SetActionsEnabled(bool enabled) override;
  void ListReset() override;
  void ReorderList(const LineReorder& reorder) override;
  std::optional<size_t> SelectedRow() const override;
  void SelectRow(size_t row) override;
  void ShowPage(int page) override;
  RecordFormView& RecordForm() override;
  HeaderFormView& HeaderForm() override;
  void ShowProgress(uint64_t done, uint64_t total) override;
  void HideProgress() override;
  void CloseWindow() override;
  void ShowItemCodes(const StationRecord& record, quorla::Language language, const std::string& caption) override;

 private:
  quorla::QtHost host_;
  std::unique_ptr<ViewerPresenter> presenter_;
  std::vector<std::pair<int, QPushButton*>> buttons_;
  QMenu* sortMenu_ = nullptr;
  PathField* fileField_ = nullptr;
  QLabel* sortLabel_ = nullptr;
  ColumnHeadingBar* heading_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  RecordListView* list_ = nullptr;
  RecordListModel* model_ = nullptr;
  RecordFormPage* recordPage_ = nullptr;
  HeaderFormPage* headerPage_ = nullptr;
  QProgressBar* progress_ = nullptr;
};

}  // namespace recbook::ui
