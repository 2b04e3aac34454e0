#pragma once
// The dialog " Automatic correction of errors in records": the repairs that are always made, the
// ten options, the progress bar and the running count. Its presenter runs the pass.
#include <QDialog>

#include "bilingual_texts.h"
#include "correction/correction_dialog_view.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace recbook {
class CorrectionDialogPresenter;
}

namespace recbook::ui {

class CorrectionDialog : public QDialog, public CorrectionDialogView {
 public:
  CorrectionDialog(QWidget* parent, quorla::Language language);
  // Ties the buttons and check boxes to the presenter (which outlives the dialog's run).
  void Bind(CorrectionDialogPresenter& presenter);

  void EnableButtons(bool enabled) override;
  void SetProgressRange(uint64_t total) override;
  void SetProgress(uint64_t done) override;
  void SetRepairCount(const std::string& text) override;
  void Pause(int milliseconds) override;
  void Close() override { accept(); }

 private:
  QCheckBox* options_[10] = {};
  QProgressBar* progress_ = nullptr;
  QLabel* count_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  uint64_t scale_ = 1;  // the bar counts in steps of scale_ records when the file is large
};

}  // namespace recbook::ui
