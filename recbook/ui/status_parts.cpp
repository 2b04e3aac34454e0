#include "ui/status_parts.h"

namespace recbook::ui {
namespace {
constexpr int kRightEdges[] = {157, 283, 416, 519};
constexpr int kHeight = 20;
}  // namespace

StatusParts::StatusParts(QWidget* parent) : QFrame(parent) {
  setFixedHeight(kHeight);
  for (auto& part : parts_) {
    part = new QLabel(this);
    part->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    part->setTextFormat(Qt::PlainText);
  }
  progress_ = new QProgressBar(this);
  progress_->setTextVisible(false);
  progress_->hide();
}

void StatusParts::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  int left = 0;
  for (size_t i = 0; i < parts_.size(); ++i) {
    const int right = i < 4 ? kRightEdges[i] : std::max(width(), left + 1);
    parts_[i]->setGeometry(left, 0, right - left, kHeight);
    left = right;
  }
  progress_->setGeometry(0, 1, 157, 18);
}

void StatusParts::SetPart(int part, const QString& text) { parts_[static_cast<size_t>(part)]->setText(text); }

void StatusParts::ShowProgress(qint64 done, qint64 total) {
  if (!progress_->isVisible()) {
    parts_[0]->clear();
    progress_->show();
    progress_->raise();
  }
  // The bar counts in steps of at most 2^31; a million records fit as they are.
  progress_->setRange(0, static_cast<int>(std::max<qint64>(total, 1)));
  progress_->setValue(static_cast<int>(std::min(done, total)));
}

void StatusParts::HideProgress() {
  progress_->hide();
  progress_->reset();
}

}  // namespace recbook::ui
