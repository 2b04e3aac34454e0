#include "forms/ui/record_form_page.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include "forms/form_boxes.h"
#include "forms/record_form_presenter.h"
#include "forms/ui/form_row.h"
#include "listing/command_ids.h"
#include "search/search_texts.h"
#include "ui/dialog_units.h"
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

RecordFormPage::RecordFormPage(quorla::Language language, QWidget* parent) : QWidget(parent) {
  setObjectName("recordForm");
  auto* inner = new QWidget;
  auto* grid = new QGridLayout(inner);
  grid->setVerticalSpacing(2);
  grid->setHorizontalSpacing(16);
  int row = 1;
  for (const RecordBox& box : kRecordBoxes) {
    if (box.id == kLatitudeBox) continue;  // on the longitude's row
    std::vector<RowBox> parts{{box.id, BoxCharacters(box), box.rule.kind != RuleKind::Geo}};
    if (box.id == kLongitudeBox) parts.push_back({kLatitudeBox, 10, false});
    auto* r = new FormRow(Q(box.label(language)), parts);
    for (size_t i = 0; i < r->boxCount(); ++i) boxes_[parts[i].id] = r->box(i);
    grid->addWidget(r, row++, 0);
  }
  auto* buttons = new QWidget;
  auto* line = new QHBoxLayout(buttons);
  line->setContentsMargins(0, 0, 0, 0);
  firstButton_ = new QPushButton(Q(search_texts::kNewRecButton(language)));
  firstButton_->setObjectName("button4");
  firstButton_->setFont(quorla::ui::DialogFont());
  saveButton_ = new QToolButton;
  saveButton_->setObjectName("button5");
  saveButton_->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
  number_ = new QLabel;
  number_->setObjectName("text6");
  number_->setFont(quorla::ui::DialogFont());
  line->addWidget(firstButton_);
  line->addWidget(saveButton_);
  line->addSpacing(12);
  line->addWidget(number_);
  line->addStretch();
  grid->addWidget(buttons, 0, 0);
  grid->setRowStretch(row, 1);

  auto* scroll = new QScrollArea;
  scroll->setWidget(inner);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(scroll);
  for (const auto& [id, edit] : boxes_) edit->installEventFilter(this);
}

void RecordFormPage::Bind(RecordFormPresenter& presenter, std::function<void(int)> command) {
  presenter_ = &presenter;
  for (const auto& [id, edit] : boxes_)
    ConnectTyping(edit, id, [&presenter](int box, std::string_view text, int caret) { return presenter.Typed(box, text, caret); });
  connect(firstButton_, &QPushButton::clicked, this, [command] { command(kFormFirstButton); });
  connect(saveButton_, &QToolButton::clicked, this, [command] { command(kSaveRecord); });
}

// The co-ordinate boxes take the selection of the user's entry-box properties on focus.
bool RecordFormPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && presenter_) {
    for (const int id : {kLongitudeBox, kLatitudeBox}) {
      QLineEdit* edit = boxes_[id];
      if (watched != edit) continue;
      if (const std::optional<RuledText> s = presenter_->FocusSelection(id))
        QTimer::singleShot(0, edit, [edit, s] { edit->setSelection(s->selectionStart, s->selectionEnd - s->selectionStart); });
    }
  }
  return QWidget::eventFilter(watched, event);
}

void RecordFormPage::ShowBoxText(int box, const std::string& text) {
  boxes_.at(box)->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void RecordFormPage::FocusBox(int box, int start, int end) {
  QLineEdit* edit = boxes_.at(box);
  edit->setFocus(Qt::OtherFocusReason);
  edit->setSelection(start, end - start);
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
