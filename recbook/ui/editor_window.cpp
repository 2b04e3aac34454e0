#include "ui/editor_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "listing/list_line.h"
#include "listing/sort_orders.h"
#include "ui/dialog_units.h"
#include "ui/page_frame.h"
#include "ui/record_list_model.h"
#include "ui/record_list_view.h"
#include "ui/record_page.h"
#include "ui/window_texts.h"
#include "ui/status_parts.h"
#include "ui/tagged_header_dialog.h"
#include "ui/viewer_window.h"
#include "ui/correction_dialog.h"
#include "correction/correction_dialog_presenter.h"

namespace recbook::ui {

EditorWindow::EditorWindow(EditorStart start, QWidget* owner)
    : QDialog(owner), start_(std::move(start)), owner_(owner), host_(this) {
  setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                 Qt::WindowTitleHint);
  setWindowIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  setFont(quorla::ui::DialogFont());
  presenter_ = std::make_unique<EditorPresenter>(host_, *this, start_);
  BuildMenus();
  BuildControls();
}

EditorWindow::~EditorWindow() = default;

std::string EditorWindow::Run() {
  presenter_->Start();
  exec();
  return presenter_->Finish();
}

// --- building the window ---------------------------------------------------------------------------

void EditorWindow::BuildMenus() {
  auto* bar = new QMenuBar(this);
  const quorla::Language l = start_.language;
  for (const MenuDefinition& definition : MenuBar()) {
    QMenu* menu = bar->addMenu(Q(definition.title(l)));
    menus_[definition.position] = menu;
    for (const MenuItem& item : definition.items) {
      if (item.id == 0) {
        menu->addSeparator();
        continue;
      }
      QAction* action = menu->addAction(Q(item.text(l)));
      actions_[item.id] = action;
      connect(action, &QAction::triggered, this, [this, id = item.id] { presenter_->OnCommand(id); });
    }
    if (definition.position == MenuPosition::Sort) {
      for (int id : kSortMenuSequence) {
        if (id == 0) {
          menu->addSeparator();
          continue;
        }
        QAction* action = menu->addAction(Q(SortOrderOf(id).menu(l)));
        action->setCheckable(true);
        actions_[id] = action;
        connect(action, &QAction::triggered, this, [this, id] { presenter_->OnCommand(id); });
      }
    }
  }
  menus_[MenuPosition::Blank]->menuAction()->setEnabled(false);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->setMenuBar(bar);
}

void EditorWindow::BuildControls() {
  const quorla::ui::DialogUnits du(font());
  auto* content = new QWidget(this);
  content->setFixedSize(du.X(432), du.Y(250));

  auto* newButton = new QToolButton(content);
  newButton->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
  newButton->setGeometry(du.Rect(7, 1, 15, 13));
  newButton->setObjectName("filenew");
  connect(newButton, &QToolButton::clicked, this, [this] { presenter_->OnCommand(kNewButton); });
  auto* openButton = new QToolButton(content);
  openButton->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  openButton->setGeometry(du.Rect(22, 1, 15, 13));
  openButton->setObjectName("fileopen");
  connect(openButton, &QToolButton::clicked, this, [this] { presenter_->OnCommand(kOpenButton); });

  fileField_ = new QLabel(content);
  fileField_->setGeometry(du.Rect(42, 3, 343, 10));
  StyleStaticLabel(*fileField_);
  information_ = new QLabel(content);
  information_->setGeometry(du.Rect(277, 16, 130, 11));
  information_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  StyleStaticLabel(*information_);
  information_->setFont(quorla::ui::DialogFont());

  tabs_ = new QTabWidget(content);
  tabs_->setGeometry(du.Rect(-1, 17, 430, 232));
  tabs_->addTab(BuildListPage(), Q(kTabs[0](start_.language)));
  recordPage_ = new RecordPage;
  tabs_->addTab(recordPage_, Q(kTabs[1](start_.language)));
  tabs_->addTab(BuildHeaderPage(), Q(kTabs[2](start_.language)));
  information_->raise();  // the label lies over the tab row, right of the tabs
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int page) { presenter_->OnPageRequest(page); });

  status_ = new StatusParts(this);
  layout()->addWidget(content);
  layout()->addWidget(status_);
}

QWidget* EditorWindow::BuildListPage() {
  const quorla::ui::DialogUnits du(font());
  auto* page = new PageFrame;
  heading_ = new QLabel(page);
  heading_->setFont(quorla::ui::ListFont());
  StyleStaticLabel(*heading_);
  heading_->setGeometry(du.Rect(14, -1, 404, 11));
  list_ = new RecordListView(page);
  model_ = new RecordListModel(presenter_->list(), [this](size_t row) { return presenter_->list().Line(row); }, this);
  list_->setModel(model_);
  list_->Attach();
  page->Place(list_, du.Rect(10, 10, 409, 216));
  connect(list_, &RecordListView::userSelection, this, [this](bool tag) { presenter_->OnSelectionChanged(tag); });
  connect(list_, &RecordListView::rowDoubleClicked, this, [this](size_t row) { presenter_->OnDoubleClick(row); });
  connect(list_, &RecordListView::editMenuRequested, this, [this](const QPoint& at) {
    if (presenter_->ListMenuAllowed() && menus_[MenuPosition::Edit]->menuAction()->isEnabled())
      menus_[MenuPosition::Edit]->popup(at);
  });
  return page;
}

QWidget* EditorWindow::BuildHeaderPage() {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  headerInfo_ = new QLabel;
  StyleStaticLabel(*headerInfo_);
  headerPage_ = new RecordPage;
  column->addWidget(headerInfo_);
  column->addWidget(headerPage_);
  return page;
}

QAction* EditorWindow::action(int id) const {
  const auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

QString EditorWindow::information() const { return information_->text(); }
QString EditorWindow::fileField() const { return fileField_->text(); }

// --- EditorView ------------------------------------------------------------------------------------

void EditorWindow::SetTitle(const std::string& title) { setWindowTitle(Q(title)); }

void EditorWindow::SetMenuEnabled(MenuPosition menu, bool enabled) { menus_[menu]->menuAction()->setEnabled(enabled); }

void EditorWindow::SetItemEnabled(int id, bool enabled) {
  if (QAction* a = action(id)) a->setEnabled(enabled);
}

void EditorWindow::SetItemText(int id, const std::string& text) {
  if (QAction* a = action(id)) a->setText(Q(text));
}

void EditorWindow::SetSortCheck(int order) {
  for (int id = kFirstOrder; id <= kLastOrder; ++id) actions_[id]->setChecked(id == order);
}

void EditorWindow::SetEditMenu(const std::vector<EditMenuEntry>& items) {
  QMenu* menu = menus_[MenuPosition::Edit];
  for (QAction* a : menu->actions())
    for (auto it = actions_.begin(); it != actions_.end(); ++it)
      if (it->second == a) {
        actions_.erase(it);
        break;
      }
  menu->clear();
  for (const EditMenuEntry& item : items) {
    if (item.id == 0) {
      menu->addSeparator();
      continue;
    }
    QAction* a = menu->addAction(Q(item.text));
    a->setEnabled(item.enabled);
    actions_[item.id] = a;
    connect(a, &QAction::triggered, this, [this, id = item.id] { presenter_->OnCommand(id); });
  }
}

void EditorWindow::SetFileField(const std::string& text) { fileField_->setText(Q(text)); }
void EditorWindow::SetInformation(const std::string& text) { information_->setText(Q(text)); }
void EditorWindow::SetStatusPart(int part, const std::string& text) { status_->SetPart(part, Q(text)); }
void EditorWindow::SetColumnHeading(const std::string& text) { heading_->setText(Q(text)); }
void EditorWindow::SetHeaderInfo(const std::string& text) { headerInfo_->setText(Q(text)); }

void EditorWindow::ShowProgress(uint64_t done, uint64_t total) {
  status_->ShowProgress(static_cast<qint64>(done), static_cast<qint64>(total));
}
void EditorWindow::HideProgress() { status_->HideProgress(); }

void EditorWindow::ShowExportProgress(const std::string& title, uint64_t done, uint64_t total) {
  if (!exportProgress_) {
    exportProgress_ = new QProgressDialog(this);
    exportProgress_->setCancelButton(nullptr);
    exportProgress_->setMinimumDuration(0);
    exportProgress_->setAutoClose(false);
    exportProgress_->setAutoReset(false);
  }
  exportProgress_->setWindowTitle(Q(title));
  exportProgress_->setMaximum(static_cast<int>(std::max<uint64_t>(total, 1)));
  exportProgress_->setValue(static_cast<int>(std::min(done, total)));
  if (done >= total)
    exportProgress_->hide();
  else
    exportProgress_->show();
}

void EditorWindow::ListReset() { model_->Reset(); }
void EditorWindow::ListRowsChanged(size_t first, size_t last) { model_->RowsChanged(first, last); }
void EditorWindow::ReorderList(const LineReorder& reorder) { model_->Reorder(reorder); }
std::vector<size_t> EditorWindow::SelectedRows() const { return list_->SelectedRows(); }
size_t EditorWindow::CaretRow() const { return list_->CaretRow(); }
void EditorWindow::SelectRows(std::span<const size_t> rows, size_t caret) { list_->SelectRows(rows, caret); }

void EditorWindow::ShowPage(Page page) {
  const bool blocked = tabs_->blockSignals(true);
  tabs_->setCurrentIndex(page);
  tabs_->blockSignals(blocked);
}

void EditorWindow::ShowRecordItems(const std::vector<PageItem>& items) { recordPage_->Show(items); }
void EditorWindow::ShowHeaderItems(const std::vector<PageItem>& items) { headerPage_->Show(items); }

std::optional<HeaderValues> EditorWindow::AskTaggedHeader(const std::string& title, const HeaderValues& initial,
                                                          const std::string& todayNote) {
  TaggedHeaderDialog dialog(host_, start_.language, start_.caption, title, initial, todayNote, this);
  return dialog.Ask();
}

void EditorWindow::RunFileViewer(const ViewerSetup& setup) {
  ViewerWindow viewer(setup, nullptr, this);
  viewer.Run();
}

void EditorWindow::RunCorrectionDialog(const CorrectionDialogMaker& make) {
  CorrectionDialog dialog(this, start_.language);
  const std::unique_ptr<CorrectionDialogPresenter> presenter = make(dialog);
  dialog.Bind(*presenter);
  dialog.exec();
}

void EditorWindow::CloseWindow() {
  closing_ = true;
  done(0);
}

void EditorWindow::reject() { presenter_->OnCommand(kEscape); }

void EditorWindow::closeEvent(QCloseEvent* event) {
  if (closing_ || presenter_->OnCloseRequest()) {
    closing_ = true;
    event->accept();
    QDialog::done(0);
    return;
  }
  event->ignore();
}

// Minimising and restoring the editor takes the owner window along.
void EditorWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || !owner_) return;
  if (isMinimized())
    owner_->showMinimized();
  else if (owner_->isMinimized())
    owner_->showNormal();
}

}  // namespace recbook::ui
