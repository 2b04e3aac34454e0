#include "ui/viewer_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "forms/ui/viewer_help_dialog.h"
#include "listing/sort_orders.h"
#include "ui/column_heading_bar.h"
#include "ui/dialog_units.h"
#include "ui/path_field.h"
#include "ui/static_label.h"
#include "ui/record_list_model.h"
#include "ui/record_list_view.h"
#include "ui/record_page.h"
#include "ui/window_texts.h"

namespace recbook::ui {

ViewerWindow::ViewerWindow(const ViewerSetup& setup, void* transfer, QWidget* parent) : QDialog(parent), host_(this) {
  setFont(quorla::ui::DialogFont());
  const quorla::ui::DialogUnits du(font());
  presenter_ = std::make_unique<ViewerPresenter>(host_, *this, setup, transfer);
  auto* column = new QVBoxLayout(this);

  auto* top = new QHBoxLayout;
  auto* open = new QToolButton;
  open->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  open->setObjectName("fileopen");
  connect(open, &QToolButton::clicked, this, [this] { presenter_->OnOpen(); });
  top->addWidget(open);
  fileField_ = new PathField;
  top->addWidget(fileField_, 1);
  for (const ViewerButton& b : presenter_->Buttons()) {
    auto* button = new QPushButton(Q(b.text));
    buttons_.emplace_back(b.command, button);
    top->addWidget(button);
    if (b.command == kViewerSorting) {
      sortMenu_ = new QMenu(this);
      for (int id : kViewerSortMenu) {
        QAction* a = sortMenu_->addAction(Q(SortOrderOf(id).viewerText(setup.language)));
        connect(a, &QAction::triggered, this, [this, id] { presenter_->OnSort(id); });
      }
      connect(button, &QPushButton::clicked, this,
              [this, button] { sortMenu_->popup(button->mapToGlobal(QPoint(0, button->height()))); });
    } else {
      connect(button, &QPushButton::clicked, this, [this, c = b.command] { presenter_->OnCommand(c); });
    }
  }
  column->addLayout(top);
  sortLabel_ = new QLabel;
  StyleStaticLabel(*sortLabel_);
  sortLabel_->setAlignment(Qt::AlignRight);
  column->addWidget(sortLabel_);

  tabs_ = new QTabWidget;
  auto* listPage = new QWidget;
  auto* listColumn = new QVBoxLayout(listPage);
  list_ = new RecordListView;
  heading_ = new ColumnHeadingBar(*list_);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  model_ = new RecordListModel(presenter_->list(), [this](size_t row) { return presenter_->LineAt(row); }, this);
  list_->setModel(model_);
  list_->Attach();
  listColumn->addWidget(heading_);
  listColumn->addWidget(list_, 1);
  listColumn->setSpacing(0);
  tabs_->addTab(listPage, Q(kTabs[0](setup.language)));
  recordPage_ = new RecordPage;
  tabs_->addTab(recordPage_, Q(kTabs[1](setup.language)));
  auto* headerPage = new QWidget;
  auto* headerColumn = new QVBoxLayout(headerPage);
  headerInfo_ = new QLabel;
  StyleStaticLabel(*headerInfo_);
  headerPage_ = new RecordPage;
  headerColumn->addWidget(headerInfo_);
  headerColumn->addWidget(headerPage_);
  tabs_->addTab(headerPage, Q(kTabs[2](setup.language)));
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int page) { presenter_->OnPageRequest(page); });
  column->addWidget(tabs_, 1);
  progress_ = new QProgressBar;
  progress_->setTextVisible(false);
  progress_->setFixedHeight(18);
  progress_->hide();
  column->addWidget(progress_);
  resize(du.X(432), du.Y(288));
}

ViewerWindow::~ViewerWindow() = default;

std::string ViewerWindow::Run() {
  presenter_->Start();
  exec();
  return presenter_->result();
}

QPushButton* ViewerWindow::button(int command) const {
  for (const auto& [c, b] : buttons_)
    if (c == command) return b;
  return nullptr;
}

void ViewerWindow::SetTitle(const std::string& title) { setWindowTitle(Q(title)); }
void ViewerWindow::SetFileField(const std::string& text) { fileField_->SetFullText(Q(text)); }
void ViewerWindow::SetColumnHeading(const std::string& text) { heading_->SetText(Q(text)); }
void ViewerWindow::SetSortLabel(const std::string& text) { sortLabel_->setText(Q(text)); }
void ViewerWindow::SetHeaderInfo(const std::string& text) { headerInfo_->setText(Q(text)); }

void ViewerWindow::SetActionsEnabled(bool enabled) {
  for (const auto& [command, b] : buttons_)
    if (command != kViewerSorting && command != kViewerCancel && command != kViewerItemCodes) b->setEnabled(enabled);
}

void ViewerWindow::ListReset() { model_->Reset(); }
void ViewerWindow::ReorderList(const LineReorder& reorder) { model_->Reorder(reorder); }

std::optional<size_t> ViewerWindow::SelectedRow() const {
  const std::vector<size_t> rows = list_->SelectedRows();
  if (rows.empty()) return std::nullopt;
  return rows.front();
}

void ViewerWindow::SelectRow(size_t row) {
  const size_t rows[] = {row};
  list_->SelectRows(rows, row);
}

void ViewerWindow::ShowPage(int page) {
  const bool blocked = tabs_->blockSignals(true);
  tabs_->setCurrentIndex(page);
  tabs_->blockSignals(blocked);
}

void ViewerWindow::ShowRecordItems(const std::vector<PageItem>& items) { recordPage_->Show(items); }
void ViewerWindow::ShowHeaderItems(const std::vector<PageItem>& items) { headerPage_->Show(items); }

void ViewerWindow::ShowProgress(uint64_t done, uint64_t total) {
  progress_->setRange(0, static_cast<int>(std::max<uint64_t>(total, 1)));
  progress_->setValue(static_cast<int>(std::min(done, total)));
  progress_->show();
}

void ViewerWindow::HideProgress() {
  progress_->hide();
  progress_->reset();
}

void ViewerWindow::CloseWindow() { done(0); }

void ViewerWindow::ShowItemCodes(const StationRecord& record, quorla::Language language, const std::string& caption) {
  ShowViewerHelp(language, caption, record, this);
}

}  // namespace recbook::ui
