#include "ui/editor_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QScreen>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "listing/list_line.h"
#include "listing/sort_orders.h"
#include "forms/ui/header_form_page.h"
#include "forms/ui/record_form_page.h"
#include "ui/column_heading_bar.h"
#include "ui/dialog_units.h"
#include "ui/path_field.h"
#include "ui/static_label.h"
#include "ui/record_list_model.h"
#include "ui/record_list_view.h"
#include "ui/window_texts.h"
#include "ui/status_parts.h"
#include "ui/tagged_header_dialog.h"
#include "ui/viewer_window.h"
#include "ui/correction_dialog.h"
#include "correction/correction_dialog_presenter.h"
#include "utilities/ui/clock_dialog.h"
#include "ui/entry_application.h"

namespace recbook::ui {

EditorWindow::EditorWindow(EditorStart start, QWidget* owner, WindowSize remembered)
    : QDialog(owner), start_(std::move(start)), owner_(owner), host_(this) {
  setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
  setWindowIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  setFont(quorla::ui::DialogFont());
  // The form pages exist before the presenter, which binds its form presenters to them.
  recordPage_ = new RecordFormPage(start_.language, start_.geoBoxProperties);
  headerPage_ = new HeaderFormPage(start_.language);
  presenter_ = std::make_unique<EditorPresenter>(host_, *this, start_);
  const auto command = [this](int id) { presenter_->OnCommand(id); };
  recordPage_->Bind(presenter_->recordForm(), command);
  headerPage_->Bind(presenter_->headerForm(), command);
  BuildMenus();
  BuildControls();
  PlaceOnScreen(remembered);
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

// The window's controls in layouts: the image buttons and the file field on top, the tab
// control taking the growth (the information label in its top-right corner), the status bar at
// the bottom.
void EditorWindow::BuildControls() {
  const quorla::ui::DialogUnits du(font());
  auto* content = new QWidget(this);
  auto* column = new QVBoxLayout(content);
  column->setContentsMargins(du.X(2), du.Y(1), du.X(2), du.Y(1));
  column->setSpacing(du.Y(2));

  auto* top = new QHBoxLayout;
  top->setSpacing(0);
  auto* newButton = new QToolButton(content);
  newButton->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
  newButton->setFixedSize(du.X(15), du.Y(13));
  newButton->setObjectName("filenew");
  connect(newButton, &QToolButton::clicked, this, [this] { presenter_->OnCommand(kNewButton); });
  auto* openButton = new QToolButton(content);
  openButton->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  openButton->setFixedSize(du.X(15), du.Y(13));
  openButton->setObjectName("fileopen");
  connect(openButton, &QToolButton::clicked, this, [this] { presenter_->OnCommand(kOpenButton); });
  fileField_ = new PathField(content);
  top->addSpacing(du.X(5));
  top->addWidget(newButton);
  top->addWidget(openButton);
  top->addSpacing(du.X(5));
  top->addWidget(fileField_, 1);
  column->addLayout(top);

  information_ = new QLabel;
  information_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  StyleStaticLabel(*information_);
  information_->setFont(quorla::ui::DialogFont());
  information_->setContentsMargins(0, 0, du.X(4), 0);
  tabs_ = new QTabWidget(content);
  tabs_->addTab(BuildListPage(), Q(kTabs[0](start_.language)));
  tabs_->addTab(recordPage_, Q(kTabs[1](start_.language)));
  tabs_->addTab(headerPage_, Q(kTabs[2](start_.language)));
  tabs_->setCornerWidget(information_, Qt::TopRightCorner);  // right of the tabs, on their row
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int page) { presenter_->OnPageRequest(page); });
  column->addWidget(tabs_, 1);

  status_ = new StatusParts(this);
  layout()->addWidget(content);
  layout()->addWidget(status_);
  static_cast<QVBoxLayout*>(layout())->setStretchFactor(content, 1);
}

QWidget* EditorWindow::BuildListPage() {
  auto* page = new QWidget;
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(2, 0, 2, 2);
  column->setSpacing(0);
  list_ = new RecordListView(page);
  heading_ = new ColumnHeadingBar(*list_, page);
  model_ = new RecordListModel(presenter_->list(), [this](size_t row) { return presenter_->list().Line(row); }, this);
  list_->setModel(model_);
  list_->Attach();
  column->addWidget(heading_);
  column->addWidget(list_, 1);
  connect(list_, &RecordListView::userSelection, this, [this](bool tag) { presenter_->OnSelectionChanged(tag); });
  connect(list_, &RecordListView::rowDoubleClicked, this, [this](size_t row) { presenter_->OnDoubleClick(row); });
  connect(list_, &RecordListView::editMenuRequested, this, [this](const QPoint& at) {
    if (presenter_->ListMenuAllowed() && menus_[MenuPosition::Edit]->menuAction()->isEnabled())
      menus_[MenuPosition::Edit]->popup(at);
  });
  return page;
}

// Centred on the screen: the remembered size, else the designed height and a width that shows
// whole list lines, both within the screen's free area.
void EditorWindow::PlaceOnScreen(WindowSize remembered) {
  const quorla::ui::DialogUnits du(font());
  QScreen* screen = owner_ ? owner_->screen() : QGuiApplication::primaryScreen();
  const QRect free = screen ? screen->availableGeometry() : QRect(0, 0, 1366, 728);
  const int frameWidth = 16, frameHeight = 40;  // the window manager's frame and title bar
  QSize size(remembered.width, remembered.height);
  if (remembered.width == 0) {
    const int lineWidth = list_->WidthForCharacters(static_cast<int>(kListLineSize)) + 2 * du.X(2) + 8;
    size = QSize(std::max(du.X(432), lineWidth), du.Y(288));
  }
  size = size.boundedTo(QSize(free.width() - frameWidth, free.height() - frameHeight)).expandedTo(minimumSizeHint());
  resize(size);
  move(free.center() - QPoint(size.width() / 2, size.height() / 2));
}

WindowSize EditorWindow::windowSize() const {
  const QSize s = isMaximized() ? normalGeometry().size() : size();
  return {s.width(), s.height()};
}

QAction* EditorWindow::action(int id) const {
  const auto it = actions_.find(id);
  return it == actions_.end() ? nullptr : it->second;
}

QString EditorWindow::information() const { return information_->text(); }
QString EditorWindow::fileField() const { return fileField_->fullText(); }

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

void EditorWindow::SetFileField(const std::string& text) { fileField_->SetFullText(Q(text)); }
void EditorWindow::SetInformation(const std::string& text) { information_->setText(Q(text)); }
void EditorWindow::SetStatusPart(int part, const std::string& text) { status_->SetPart(part, Q(text)); }
void EditorWindow::SetColumnHeading(const std::string& text) { heading_->SetText(Q(text)); }
void EditorWindow::SetHeaderInfo(const std::string& text) { headerPage_->SetInformation(Q(text)); }

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
void EditorWindow::FocusList() { list_->setFocus(Qt::OtherFocusReason); }
void EditorWindow::ReorderList(const LineReorder& reorder) { model_->Reorder(reorder); }
std::vector<size_t> EditorWindow::SelectedRows() const { return list_->SelectedRows(); }
size_t EditorWindow::CaretRow() const { return list_->CaretRow(); }
void EditorWindow::SelectRows(std::span<const size_t> rows, size_t caret) { list_->SelectRows(rows, caret); }

void EditorWindow::ShowPage(Page page) {
  const bool blocked = tabs_->blockSignals(true);
  tabs_->setCurrentIndex(page);
  tabs_->blockSignals(blocked);
}

RecordFormView& EditorWindow::RecordForm() { return *recordPage_; }
HeaderFormView& EditorWindow::HeaderForm() { return *headerPage_; }

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

void EditorWindow::RunClockDialog(const ClockDialogMaker& make) {
  ClockDialog dialog(this, start_.language);
  const std::unique_ptr<ClockDialogPresenter> presenter = make(dialog);
  dialog.Bind(*presenter);
  dialog.exec();
}

uint32_t EditorWindow::WindowHandle() const { return quorla::ui::WindowHandle(this); }

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
