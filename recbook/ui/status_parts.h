#pragma once
// The main window's status bar: five sunken parts with right edges at 157, 283, 416 and 519
// pixels (the last to the window's edge), and the progress bar of long loops over part 0.
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <array>

namespace recbook::ui {

class StatusParts : public QFrame {
 public:
  explicit StatusParts(QWidget* parent = nullptr);
  void SetPart(int part, const QString& text);
  QString Part(int part) const { return parts_[static_cast<size_t>(part)]->text(); }
  // Shows the bar over part 0 (whose text is cleared) at done of total.
  void ShowProgress(qint64 done, qint64 total);
  void HideProgress();
  const QProgressBar& progress() const { return *progress_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::array<QLabel*, 5> parts_{};
  QProgressBar* progress_;
};

}  // namespace recbook::ui
