#include "forms/ui/record_form_page.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>

#include "forms/form_boxes.h"
#include "forms/record_form_presenter.h"
#include "forms/ui/form_row.h"
#include "forms/ui/info_windows.h"
#include "listing/command_ids.h"
#include "search/search_texts.h"
#include "ui/dialog_units.h"
#include "ui/geo_entry_edit.h"
#include "ui/window_texts.h"

namespace recbook::ui {
namespace {

// The characters a box shows: the longest text its rule keeps.
int BoxCharacters(const RecordBox& box) {
  switch (box.rule.kind) {
    case RuleKind::Number: return box.rule.length + box.rule.decimals + (box.rule.decimals ? 1 : 0) + (box.rule.minus ? 1 : 0);
    case RuleKind::Geo: return 11;
    default: return box.rule.length;
  }
}

}  // namespace

RecordFormPage::RecordFormPage(quorla::Language language, const terrainmap::GeoBoxProperties& geo, QWidget* parent)
    : QWidget(parent) {
  setObjectName("recordForm");
  auto* inner = new QWidget;
  auto* grid = new QGridLayout(inner);
  grid->setVerticalSpacing(2);
  grid->setHorizontalSpacing(16);
  int row = 0;
  for (const RecordBox& box : kRecordBoxes) {
    if (box.id == kLatitudeBox) continue;  // on the longitude's row
    std::vector<RowBox> parts{{box.id, BoxCharacters(box), true}};
    if (box.id == kLongitudeBox) {
      using terrainmap::ui::GeoEntryEdit;
      parts = {{kLongitudeBox, 11, false, new GeoEntryEdit(GeoEntryEdit::Mode::Longitude, geo)},
               {kLatitudeBox, 10, false, new GeoEntryEdit(GeoEntryEdit::Mode::Latitude, geo)}};
    }
    auto* r = new FormRow(Q(box.label(language)), parts);
    for (size_t i = 0; i < r->boxCount(); ++i) boxes_[parts[i].id] = r->box(i);
    grid->addWidget(r, row++, 0);
  }
  auto* buttons = new QWidget;
  auto* line = new QHBoxLayout(buttons);
  const QMargins margins = grid->contentsMargins();
  line->setContentsMargins(margins.left(), margins.top(), margins.right(), 0);
  firstButton_ = new QPushButton(Q(search_texts::kNewRecButton(language)));
  firstButton_->setObjectName("button4");
  firstButton_->setFont(quorla::ui::DialogFont());
  saveButton_ = new QToolButton;
  saveButton_->setObjectName("button5");
  saveButton_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  infoButton_ = new QPushButton;
  infoButton_->setObjectName("button9");
  infoButton_->setFont(quorla::ui::DialogFont());
  infoButton_->setFocusPolicy(Qt::TabFocus);  // a click leaves the focus in the box it explains
  QSizePolicy keep = infoButton_->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  infoButton_->setSizePolicy(keep);
  number_ = new QLabel;
  number_->setObjectName("text6");
  number_->setFont(quorla::ui::DialogFont());
  line->addWidget(firstButton_);
  line->addWidget(saveButton_);
  line->addSpacing(12);
  line->addWidget(infoButton_);
  line->addSpacing(12);
  line->addWidget(number_);
  line->addStretch();
  grid->setRowStretch(row, 1);

  // The buttons stay above the scrolled boxes, so that Find error and the save button are at hand
  // whichever box the cursor is in.
  scroll_ = new QScrollArea;
  scroll_->setWidget(inner);
  scroll_->setWidgetResizable(true);
  scroll_->setFrameShape(QFrame::NoFrame);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(buttons);
  column->addWidget(scroll_);
}

// The co-ordinate boxes keep their display form themselves; the presenter learns their text.
void RecordFormPage::Bind(RecordFormPresenter& presenter, std::function<void(int)> command) {
  presenter_ = &presenter;
  for (const auto& [id, edit] : boxes_) {
    edit->installEventFilter(this);
    auto* geo = dynamic_cast<terrainmap::ui::GeoEntryEdit*>(edit);
    if (!geo) {
      ConnectTyping(edit, id, [&presenter](int box, std::string_view text, int caret) { return presenter.Typed(box, text, caret); });
      continue;
    }
    geo->OnNormalised([&presenter, geo, id = id] {
      const QByteArray bytes = geo->text().toLatin1();
      presenter.Typed(id, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), geo->cursorPosition());
    });
  }
  connect(firstButton_, &QPushButton::clicked, this, [command] { command(kFormFirstButton); });
  connect(saveButton_, &QToolButton::clicked, this, [command] { command(kSaveRecord); });
  connect(infoButton_, &QPushButton::clicked, this, [this] { OpenInfo(); });
  presenter.Focused(kFirstBox);
}

bool RecordFormPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && presenter_) {
    for (const auto& [id, edit] : boxes_)
      if (edit == watched) presenter_->Focused(id);
  }
  return QWidget::eventFilter(watched, event);
}

void RecordFormPage::OpenInfo() {
  const std::optional<InfoRequest> request = presenter_->Info();
  if (!request) return;
  const InfoWindowOpener open = InfoWindowFor(request->dialog);
  if (!open) return;
  presenter_->Apply(open(*request, window()));
  boxes_.at(request->box)->setFocus(Qt::OtherFocusReason);
}

void RecordFormPage::ShowInfoButton(const std::string& caption, std::optional<InfoDialog> dialog) {
  infoButton_->setText(Q(caption));
  infoButton_->setVisible(dialog.has_value());
  infoButton_->setEnabled(dialog && InfoWindowFor(*dialog));
}

void RecordFormPage::SetReadOnly() {
  for (const auto& [id, edit] : boxes_) edit->setReadOnly(true);
  firstButton_->hide();
  saveButton_->hide();
}

void RecordFormPage::ShowBoxText(int box, const std::string& text) {
  const QString shown = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  if (auto* geo = dynamic_cast<terrainmap::ui::GeoEntryEdit*>(boxes_.at(box)))
    geo->PutText(shown);
  else
    boxes_.at(box)->setText(shown);
}

void RecordFormPage::UseGeoBoxProperties(const terrainmap::GeoBoxProperties& p) {
  for (const int id : {kLongitudeBox, kLatitudeBox})
    if (auto* geo = dynamic_cast<terrainmap::ui::GeoEntryEdit*>(boxes_.at(id))) geo->SetProperties(p);
}

void RecordFormPage::FocusBox(int box, int start, int end) {
  QLineEdit* edit = boxes_.at(box);
  edit->setFocus(Qt::OtherFocusReason);
  edit->setSelection(start, end - start);
  // Setting the focus from code does not scroll the form as Tab does; the box must be seen to be
  // typed over.
  scroll_->ensureWidgetVisible(edit);
}

void RecordFormPage::ShowRecordNumber(const std::string& text, bool newRecord) {
  number_->setText(Q(text));
  number_->setStyleSheet(newRecord ? "color: rgb(0, 0, 200);" : "");
}

void RecordFormPage::ShowChanged(bool changed) {
  saveButton_->setIcon(style()->standardIcon(changed ? QStyle::SP_DialogSaveButton : QStyle::SP_DriveFDIcon));
  saveButton_->setProperty("changed", changed);
}

void RecordFormPage::ShowFirstButton(const std::string& text) { firstButton_->setText(Q(text)); }

}  // namespace recbook::ui
