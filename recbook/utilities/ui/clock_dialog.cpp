#include "utilities/ui/clock_dialog.h"

#include <algorithm>

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "forms/ui/form_row.h"
#include "ui/dialog_units.h"
#include "ui/window_texts.h"
#include "utilities/clock_dialog_presenter.h"
#include "utilities/clock_texts.h"

namespace recbook::ui {
namespace {
namespace ct = clock_texts;
constexpr int kDateBox = 1;
constexpr int kTimeBox = 2;
}  // namespace

ClockDialog::ClockDialog(QWidget* parent, quorla::Language language) : QDialog(parent) {
  setObjectName("clockDialog");
  setFont(quorla::ui::DialogFont());
  auto* column = new QVBoxLayout(this);
  auto* dateRow = new FormRow(Q(ct::kDateLabel(language)), {{kDateBox, 10, true}});
  auto* timeRow = new FormRow(Q(ct::kTimeLabel(language)), {{kTimeBox, 5, true}});
  date_ = dateRow->box(0);
  time_ = timeRow->box(0);
  column->addWidget(dateRow);
  column->addWidget(timeRow);
  auto* buttons = new QHBoxLayout;
  ok_ = new QPushButton(Q(ct::kOk(language)));
  cancel_ = new QPushButton(Q(ct::kCancel(language)));
  ok_->setDefault(true);
  ok_->setAutoDefault(true);
  cancel_->setAutoDefault(false);
  buttons->addWidget(ok_);
  buttons->addStretch();
  buttons->addWidget(cancel_);
  column->addLayout(buttons);
}

void ClockDialog::Bind(ClockDialogPresenter& presenter) {
  presenter_ = &presenter;
  setWindowTitle(Q(presenter.Title()));
  // Wide enough for the whole title in the frame (its buttons take about 120 pixels).
  setMinimumWidth(std::max(sizeHint().width(), QFontMetrics(font()).horizontalAdvance(windowTitle()) + 140));
  const TypedHandler typed = [&presenter](int box, std::string_view text, int caret) {
    return presenter.Typed(box == kDateBox ? ClockBox::Date : ClockBox::Time, text, caret);
  };
  ConnectTyping(date_, kDateBox, typed);
  ConnectTyping(time_, kTimeBox, typed);
  connect(ok_, &QPushButton::clicked, this, [&presenter] { presenter.Ok(); });
  connect(cancel_, &QPushButton::clicked, this, [&presenter] { presenter.Cancel(); });
  presenter.Start();
  date_->setFocus();
  date_->selectAll();
}

void ClockDialog::ShowTexts(const std::string& date, const std::string& time) {
  date_->setText(Q(date));
  time_->setText(Q(time));
}

void ClockDialog::FocusBox(ClockBox box) {
  QLineEdit* edit = box == ClockBox::Date ? date_ : time_;
  edit->setFocus(Qt::OtherFocusReason);
  edit->selectAll();
}

void ClockDialog::Close(bool set) { done(set ? QDialog::Accepted : QDialog::Rejected); }

}  // namespace recbook::ui
