#include "forms/ui/header_form_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "forms/form_boxes.h"
#include "forms/form_texts.h"
#include "forms/header_form_presenter.h"
#include "forms/ui/form_row.h"
#include "listing/command_ids.h"
#include "ui/static_label.h"
#include "ui/window_texts.h"

namespace recbook::ui {

HeaderFormPage::HeaderFormPage(quorla::Language language, QWidget* parent) : QWidget(parent) {
  setObjectName("headerForm");
  auto* column = new QVBoxLayout(this);
  column->setSpacing(2);
  information_ = new QLabel;
  information_->setObjectName("headerInfo");
  StyleStaticLabel(*information_);
  column->addWidget(information_);
  for (const HeaderBox& box : kHeaderBoxes) {
    const int characters = box.rule.kind == RuleKind::Fixed  ? 6
                           : box.rule.kind == RuleKind::Date ? 10
                                                             : std::min<int>(box.rule.length, 60);
    auto* row = new FormRow(Q(box.label(language)), {{box.id, characters, true}});
    boxes_[box.id] = row->box(0);
    if (box.rule.kind == RuleKind::Fixed) row->box(0)->setReadOnly(true);  // the program keeps the count
    column->addWidget(row, 0, Qt::AlignLeft);
    if (!box.note(language).empty()) column->addWidget(new QLabel(Q(box.note(language))), 0, Qt::AlignLeft);
  }
  auto* buttons = new QHBoxLayout;
  clear_ = new QPushButton(Q(form_texts::kClearButton(language)));
  clear_->setObjectName("clear");
  save_ = new QToolButton;
  save_->setObjectName("save");
  save_->setIcon(style()->standardIcon(QStyle::SP_DriveFDIcon));
  status_ = new QLabel;
  status_->setObjectName("status");
  buttons->addWidget(clear_);
  buttons->addWidget(save_);
  buttons->addSpacing(12);
  buttons->addWidget(status_);
  buttons->addStretch();
  column->addLayout(buttons);
  column->addStretch();
}

void HeaderFormPage::Bind(HeaderFormPresenter& presenter, std::function<void(int)> command) {
  for (const auto& [id, edit] : boxes_)
    ConnectTyping(edit, id, [&presenter](int box, std::string_view text, int caret) { return presenter.Typed(box, text, caret); });
  connect(clear_, &QPushButton::clicked, this, [command] { command(kClearHeader); });
  connect(save_, &QToolButton::clicked, this, [command] { command(kSaveHeader); });
}

void HeaderFormPage::SetReadOnly() {
  for (const auto& [id, edit] : boxes_) edit->setReadOnly(true);
  clear_->hide();
  save_->hide();
}

void HeaderFormPage::SetInformation(const QString& text) { information_->setText(text); }

void HeaderFormPage::ShowBoxText(int box, const std::string& text) {
  boxes_.at(box)->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void HeaderFormPage::FocusBox(int box, int start, int end) {
  QLineEdit* edit = boxes_.at(box);
  edit->setFocus(Qt::OtherFocusReason);
  edit->setSelection(start, end - start);
}

void HeaderFormPage::ShowChanged(bool changed) {
  save_->setIcon(style()->standardIcon(changed ? QStyle::SP_DialogSaveButton : QStyle::SP_DriveFDIcon));
  save_->setProperty("changed", changed);
}

void HeaderFormPage::ShowStatus(const std::string& text) { status_->setText(Q(text)); }

}  // namespace recbook::ui
