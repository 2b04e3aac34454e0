#include "ui/antenna_editor_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>

#include "editor_texts.h"
#include "horizontal_graphs.h"
#include "page_drawing.h"
#include "ui/dialog_units.h"
#include "ui/editor_icon.h"
#include "ui/owner_state.h"
#include "ui/surface_widget.h"
#include "ui/qt_text.h"

namespace radpattern::ui {
namespace {

using quorla::ui::Q;

size_t CodeIndex(EditorPage page) { return page == EditorPage::Vertical ? 1 : 0; }

// Sizes in dialog units.
constexpr int kWidth = 357, kHeight = 269;

}  // namespace

AntennaEditorDialog::AntennaEditorDialog(const EditorEntry& entry, QWidget* owner)
    : QDialog(owner), owner_(owner), host_(this) {
  setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                 Qt::WindowTitleHint);
  setFont(quorla::ui::DialogFont());
  setWindowIcon(EditorIcon());
  presenter_ = std::make_unique<AntennaEditorPresenter>(*this, host_, entry);
  const quorla::ui::DialogUnits du(font());
  setFixedSize(du.X(kWidth), du.Y(kHeight));
  setWindowTitle(Q(presenter_->Title()));

  tabs_ = new QTabWidget(this);
  tabs_->setGeometry(du.Rect(4, 4, kWidth - 8, 240));
  tabs_->setUsesScrollButtons(false);  // the five tabs side by side, as the layout has them
  tabs_->setStyleSheet("QTabBar::tab { padding: 3px 2px; }");
  const quorla::Language l = entry.language;
  tabs_->addTab(BuildCodePage(EditorPage::Horizontal), Q(texts::kTabs[0](l)));
  tabs_->addTab(BuildAnglePage(EditorPage::Azimuth), Q(texts::kTabs[1](l)));
  tabs_->addTab(BuildCodePage(EditorPage::Vertical), Q(texts::kTabs[2](l)));
  tabs_->addTab(BuildAnglePage(EditorPage::Elevation), Q(texts::kTabs[3](l)));
  tabs_->addTab(BuildThreeDPage(), Q(texts::kTabs[4](l)));
  BuildButtons();

  filling_ = true;
  presenter_->Open();
  filling_ = false;
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    if (!filling_) presenter_->SelectPage(static_cast<EditorPage>(index));
  });
}

AntennaEditorDialog::~AntennaEditorDialog() = default;

int AntennaEditorDialog::Run() {
  // One refresh of the graphics a quarter of a second after opening.
  QTimer::singleShot(250, this, [this] { Redraw(presenter_->page()); });
  const int result = exec();
  return result == QDialog::Accepted ? 1 : result == kKathreinResult ? kKathreinResult : 0;
}

// --- building the pages -------------------------------------------------------------------------

quorla::ui::SurfaceWidget* AntennaEditorDialog::AddGraph(QWidget* parent, EditorPage page, QRect rect) {
  auto* g = new quorla::ui::SurfaceWidget(parent);
  g->setGeometry(rect);
  g->OnRedraw([this, page](quorla::DrawingSurface& s) { DrawPage(s, page, presenter_->state()); });
  g->OnMouseOver([this, page, g](std::optional<quorla::LogicalPoint> p) {
    presenter_->Hover(page, LayoutFor(page, g->surface()), p);
  });
  g->OnLeftClick([this, page, g](quorla::LogicalPoint p) { presenter_->Click(page, LayoutFor(page, g->surface()), p); });
  graphs_[static_cast<size_t>(page)] = g;
  return g;
}

QWidget* AntennaEditorDialog::BuildCodePage(EditorPage page) {
  const quorla::ui::DialogUnits du(font());
  const quorla::Language l = presenter_->state().language;
  auto* w = new QWidget;
  CodeControls& c = code_[CodeIndex(page)];
  c.options = new QButtonGroup(w);
  const char* prefix = page == EditorPage::Vertical ? "V_" : "H_";
  for (int i = 0; i < kTypeOptionCount; ++i) {
    auto* option = new QRadioButton(prefix + Q(kTypeOptionNames[static_cast<size_t>(i)]), w);
    option->setGeometry(du.Rect(4, 4 + 17 * i, 40, 12));
    c.options->addButton(option, 101 + i);
  }
  connect(c.options, &QButtonGroup::idClicked, this, [this, page](int id) {
    if (!filling_) presenter_->ChooseType(page, id - 101);
  });
  for (size_t f = 0; f < 3; ++f) {
    c.fields[f] = new QComboBox(w);
    c.fields[f]->setGeometry(du.Rect(50, 4 + 15 * static_cast<int>(f), 36, 12));
    c.fields[f]->setMaxVisibleItems(12);
    c.labels[f] = new QLabel(w);
    c.labels[f]->setGeometry(du.Rect(90, 3 + 15 * static_cast<int>(f), 170, 15));
    c.labels[f]->setWordWrap(true);
    connect(c.fields[f], &QComboBox::currentIndexChanged, this, [this, page, &c] {
      if (filling_) return;
      presenter_->ChooseFields(page, c.fields[0]->currentText().toStdString(), c.fields[1]->currentText().toStdString(),
                               c.fields[2]->currentText().toStdString());
    });
  }
  c.labels[0]->setGeometry(du.Rect(90, 1, 170, 17));
  c.scale = new QCheckBox(w);
  c.scale->setGeometry(du.Rect(268, 4, 72, 12));
  connect(c.scale, &QCheckBox::clicked, this, [this] { presenter_->ToggleScale(); });
  c.view = new QPushButton(w);
  c.view->setGeometry(du.Rect(268, 19, 72, 14));
  c.view->setAutoDefault(false);
  connect(c.view, &QPushButton::clicked, this, [this] { presenter_->ToggleView(); });
  auto* mouse = new QLabel(Q(texts::kMouse(l)), w);
  mouse->setGeometry(du.Rect(268, 36, 72, 9));
  readouts_[static_cast<size_t>(page)] = new QLabel(w);
  readouts_[static_cast<size_t>(page)]->setGeometry(du.Rect(228, 45, 115, 9));
  readouts_[static_cast<size_t>(page)]->setAlignment(Qt::AlignRight);
  if (page == EditorPage::Vertical) {
    AddGraph(w, page, du.Rect(50, 56, 291, 165));
    return w;
  }
  // The value table's 120 rows a column are drawn at a readable height and scrolled.
  tableScroll_ = new QScrollArea(w);
  tableScroll_->setGeometry(du.Rect(50, 56, 291, 165));
  tableScroll_->setFrameShape(QFrame::NoFrame);
  tableScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  tableScroll_->setWidget(AddGraph(w, page, QRect(QPoint(0, 0), tableScroll_->size())));
  return w;
}

QLineEdit* AntennaEditorDialog::AddAngleBox(QWidget* parent, AngleBox box, QRect rect) {
  auto* e = new QLineEdit(parent);
  e->setGeometry(rect);
  e->installEventFilter(this);
  connect(e, &QLineEdit::textEdited, this, [this, box](const QString& text) { presenter_->AngleTyped(box, text.toStdString()); });
  angleBoxes_[static_cast<size_t>(box)] = e;
  return e;
}

QWidget* AntennaEditorDialog::BuildAnglePage(EditorPage page) {
  const quorla::ui::DialogUnits du(font());
  const quorla::Language l = presenter_->state().language;
  auto* w = new QWidget;
  const quorla::BiText* labels = page == EditorPage::Azimuth ? texts::kAzimuthLabels : texts::kElevationLabels;
  const int y[4] = {6, 34, 44, 80};
  for (int i = 0; i < 4; ++i) {
    auto* label = new QLabel(Q(labels[i](l)), w);
    label->setGeometry(du.Rect(4, y[i], 90, i == 3 ? 40 : 9));
    label->setWordWrap(i == 3);
  }
  AddAngleBox(w, page == EditorPage::Azimuth ? AngleBox::AziMax : AngleBox::EleMax, du.Rect(4, 56, 40, 12));
  auto* degree = new QLabel("°", w);
  degree->setGeometry(du.Rect(46, 57, 8, 9));
  auto* mouse = new QLabel(Q(texts::kMouse(l)), w);
  mouse->setGeometry(du.Rect(4, 190, 90, 9));
  readouts_[static_cast<size_t>(page)] = new QLabel(w);
  readouts_[static_cast<size_t>(page)]->setGeometry(du.Rect(4, 200, 90, 18));
  readouts_[static_cast<size_t>(page)]->setWordWrap(true);
  AddGraph(w, page, du.Rect(96, 4, 245, 217));
  return w;
}

QWidget* AntennaEditorDialog::BuildThreeDPage() {
  const quorla::ui::DialogUnits du(font());
  const quorla::Language l = presenter_->state().language;
  auto* w = new QWidget;
  auto* az = new QLabel(Q(texts::kTestAzimuth(l)), w);
  az->setGeometry(du.Rect(4, 6, 60, 9));
  AddAngleBox(w, AngleBox::TestAzimuth, du.Rect(64, 4, 28, 12));
  auto* azDeg = new QLabel("°", w);
  azDeg->setGeometry(du.Rect(93, 6, 6, 9));
  auto* el = new QLabel(Q(texts::kTestElevation(l)), w);
  el->setGeometry(du.Rect(104, 6, 62, 9));
  AddAngleBox(w, AngleBox::TestElevation, du.Rect(166, 4, 28, 12));
  auto* elDeg = new QLabel("°", w);
  elDeg->setGeometry(du.Rect(195, 6, 6, 9));
  auto* hint = new QLabel(Q(texts::kClickHint(l)), w);
  method_ = new QPushButton(w);
  method_->setGeometry(du.Rect(292, 3, 48, 14));
  method_->setAutoDefault(false);
  connect(method_, &QPushButton::clicked, this, [this] { presenter_->ToggleMethod(); });
  hint->setGeometry(du.Rect(4, 19, 200, 9));
  AddGraph(w, EditorPage::ThreeD, du.Rect(4, 30, 337, 180));
  auto* mouse = new QLabel(Q(texts::kMouse(l)) + ":", w);
  mouse->setGeometry(du.Rect(4, 212, 30, 9));
  readouts_[4] = new QLabel(w);
  readouts_[4]->setGeometry(du.Rect(34, 212, 200, 9));
  return w;
}

void AntennaEditorDialog::BuildButtons() {
  const quorla::ui::DialogUnits du(font());
  const quorla::Language l = presenter_->state().language;
  const struct { quorla::BiText text; int x; } kButtons[] = {
      {texts::kDescriptionButton, 4}, {texts::kCopyButton, 76}, {texts::kKathreinButton, 148},
      {texts::kTransferButton, 220}, {texts::kCloseButton, 288},
  };
  QPushButton* made[5];
  for (int i = 0; i < 5; ++i) {
    made[i] = new QPushButton(Q(kButtons[i].text(l)), this);
    made[i]->setGeometry(du.Rect(kButtons[i].x, 250, i < 3 ? 68 : 64, 14));
    made[i]->setAutoDefault(false);
  }
  connect(made[0], &QPushButton::clicked, this, [this] { presenter_->ShowDescription(); });
  connect(made[1], &QPushButton::clicked, this, [this] { CopyPicture(); });
  connect(made[2], &QPushButton::clicked, this, [this] { done(kKathreinResult); });
  made[3]->setDefault(true);  // Enter
  made[3]->setEnabled(presenter_->TransferEnabled());
  connect(made[3], &QPushButton::clicked, this, &QDialog::accept);
  connect(made[4], &QPushButton::clicked, this, &QDialog::reject);  // as Esc
}

void AntennaEditorDialog::CopyPicture() {
  QWidget* had = focusWidget();
  presenter_->CopyPicture(graphs_[static_cast<size_t>(presenter_->page())]->surface());
  if (had) had->setFocus();
}

// --- the View -------------------------------------------------------------------------------------

void AntennaEditorDialog::ShowPage(EditorPage page) {
  const bool was = filling_;
  filling_ = true;
  tabs_->setCurrentIndex(static_cast<int>(page));
  filling_ = was;
}

void AntennaEditorDialog::ShowCode(EditorPage codePage, const CodePageContent& content) {
  const bool was = filling_;
  filling_ = true;
  CodeControls& c = code_[CodeIndex(codePage)];
  c.options->button(101 + content.option)->setChecked(true);
  const FieldChoices* lists[3] = {&content.lists.first, &content.lists.type, &content.lists.last};
  const std::string* current[3] = {&content.first, &content.type, &content.last};
  const std::string* labels[3] = {&content.firstLabel, &content.typeLabel, &content.lastLabel};
  for (size_t f = 0; f < 3; ++f) {
    QStringList items;
    for (const std::string& v : lists[f]->values) items << Q(v);
    c.fields[f]->clear();
    c.fields[f]->addItems(items);
    c.fields[f]->setCurrentText(Q(*current[f]));
    c.fields[f]->setEnabled(lists[f]->enabled);
    c.labels[f]->setText(Q(*labels[f]));
  }
  filling_ = was;
}

void AntennaEditorDialog::SetScale(bool linear, std::string_view caption) {
  for (CodeControls& c : code_) {
    c.scale->setChecked(linear);
    c.scale->setText(Q(caption));
  }
}

void AntennaEditorDialog::SetViewCaption(EditorPage codePage, std::string_view caption) {
  code_[CodeIndex(codePage)].view->setText(Q(caption));
}

void AntennaEditorDialog::SetMethodCaption(std::string_view caption) { method_->setText(Q(caption)); }

void AntennaEditorDialog::SetAngleText(AngleBox box, std::string_view text) {
  angleBoxes_[static_cast<size_t>(box)]->setText(Q(text));
}

void AntennaEditorDialog::SetReadout(EditorPage page, std::string_view text) {
  readouts_[static_cast<size_t>(page)]->setText(Q(text));
}

void AntennaEditorDialog::Redraw(EditorPage page) {
  quorla::ui::SurfaceWidget* g = graphs_[static_cast<size_t>(page)];
  if (page == EditorPage::Horizontal) {
    const QSize area = tableScroll_->size();
    if (presenter_->state().alternateView) {
      const int rows = static_cast<int>(TableRowsHigh());
      g->resize(area.width() - tableScroll_->verticalScrollBar()->sizeHint().width(),
                std::max(area.height(), rows * fontMetrics().height()));
    } else {
      g->resize(area);
    }
  }
  g->Redraw();
}

// --- events ---------------------------------------------------------------------------------------

// Leaving an angle box shows its value in its short form (45.0 as 45).
bool AntennaEditorDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    for (size_t i = 0; i < angleBoxes_.size(); ++i)
      if (watched == angleBoxes_[i]) presenter_->AngleFocusLost(static_cast<AngleBox>(i));
  }
  return QDialog::eventFilter(watched, event);
}

void AntennaEditorDialog::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  quorla::ui::CarryOwnerState(*this, owner_, *event);
}

}  // namespace radpattern::ui
