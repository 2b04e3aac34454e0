#pragma once
// The Info dialog of [1A] and [1Y]: the agreement's bands as option buttons, the frequency entry
// and the status line, over a FrequencyDialogPresenter.
#include "forms/frequency_dialog_presenter.h"
#include "forms/ui/info_dialog_frame.h"

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace recbook::ui {

class FrequencyDialog : public InfoDialogFrame, public FrequencyDialogView {
 public:
  FrequencyDialog(const InfoRequest& request, QWidget* parent);

  void ShowEntry(const std::string& text) override;
  void SelectBand(std::optional<size_t> band) override;
  void ShowStatus(const std::string& text) override;

  FrequencyDialogPresenter& presenter() { return presenter_; }
  QLineEdit* entry() const { return entry_; }
  QButtonGroup* bands() const { return bands_; }
  QLabel* status() const { return status_; }

 private:
  FrequencyDialogPresenter presenter_;
  QButtonGroup* bands_ = nullptr;
  QLineEdit* entry_ = nullptr;
  QLabel* status_ = nullptr;
};

BoxWrites OpenFrequencyDialog(const InfoRequest& request, QWidget* parent);

}  // namespace recbook::ui
