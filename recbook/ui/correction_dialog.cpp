#include "ui/correction_dialog.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "correction/correction_texts.h"
#include "correction/correction_dialog_presenter.h"
#include "ui/window_texts.h"

namespace recbook::ui {

CorrectionDialog::CorrectionDialog(QWidget* parent, quorla::Language language) : QDialog(parent) {
  const CorrectionDialogTexts& t = CorrectionTexts();
  auto* layout = new QVBoxLayout(this);
  for (const quorla::BiText& line : t.fixedRepairs) layout->addWidget(new QLabel(Q(line(language))));
  for (size_t i = 0; i < kCorrectionOptionCount; ++i) {
    options_[i] = new QCheckBox(Q(t.options[i].caption(language)));
    options_[i]->setChecked(true);
    layout->addWidget(options_[i]);
    if (!t.options[i].secondLine(language).empty()) {
      auto* second = new QLabel(Q(t.options[i].secondLine(language)));
      second->setIndent(24);
      layout->addWidget(second);
    }
  }
  progress_ = new QProgressBar;
  progress_->setTextVisible(false);
  layout->addWidget(progress_);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(new QLabel(Q(t.countLabel(language))));
  count_ = new QLabel(Q(RepairCountText(0)));  // " 0" until the pass counts
  bottom->addWidget(count_);
  bottom->addStretch();
  ok_ = new QPushButton(Q(t.ok(language)));
  cancel_ = new QPushButton(Q(t.cancel(language)));
  ok_->setDefault(true);
  bottom->addWidget(ok_);
  bottom->addWidget(cancel_);
  layout->addLayout(bottom);
}

void CorrectionDialog::Bind(CorrectionDialogPresenter& presenter) {
  setWindowTitle(Q(presenter.Title()));
  for (size_t i = 0; i < kCorrectionOptionCount; ++i) {
    const auto option = static_cast<CorrectionOption>(i);
    options_[i]->setChecked(presenter.options().Has(option));
    connect(options_[i], &QCheckBox::toggled, this, [&presenter, option](bool on) { presenter.SetOption(option, on); });
  }
  connect(ok_, &QPushButton::clicked, this, [&presenter] { presenter.Ok(); });
  connect(cancel_, &QPushButton::clicked, this, [&presenter] { presenter.Cancel(); });
}

void CorrectionDialog::EnableButtons(bool enabled) {
  ok_->setEnabled(enabled);
  cancel_->setEnabled(enabled);
}

void CorrectionDialog::SetProgressRange(uint64_t total) {
  scale_ = total / 1000000 + 1;  // the bar's range is an int
  progress_->setRange(0, static_cast<int>(total / scale_));
  progress_->setValue(0);
}

void CorrectionDialog::SetProgress(uint64_t done) { progress_->setValue(static_cast<int>(done / scale_)); }

void CorrectionDialog::SetRepairCount(const std::string& text) { count_->setText(Q(text)); }

void CorrectionDialog::Pause(int milliseconds) {
  QEventLoop wait;
  QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
  wait.exec();
}

}  // namespace recbook::ui
