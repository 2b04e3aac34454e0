#pragma once
// The power calculator's window (Info of [8B1]): power with " [W]" / " [mW]", gain with
// "dB/dipol" / "dB/izotrop.", the loss, the result line and the note.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <memory>

#include "forms/power_dialog_presenter.h"
#include "forms/ui/info_dialog_frame.h"

namespace recbook::ui {

class PowerDialog : public InfoDialogFrame, public PowerDialogView {
 public:
  PowerDialog(quorla::Host& host, const InfoRequest& request, QWidget* parent);

  void ShowResult(const std::string& name, const std::string& value, const std::string& remark) override;
  // What "&OK" wrote; empty after "&Cancel".
  const BoxWrites& writes() const { return writes_; }

  QLineEdit* power() const { return power_; }
  QLineEdit* gain() const { return gain_; }
  QLineEdit* loss() const { return loss_; }
  QRadioButton* milliwatts() const { return milliwatts_; }
  QRadioButton* isotropic() const { return isotropic_; }
  QLabel* result() const { return result_; }

 private:
  QLineEdit* power_;
  QLineEdit* gain_;
  QLineEdit* loss_;
  QRadioButton* milliwatts_;
  QRadioButton* isotropic_;
  QLabel* result_;
  BoxWrites writes_;
  std::unique_ptr<PowerDialogPresenter> presenter_;
};

// Opens the calculator modally; "&OK" gives [8B1] and [8B2].
BoxWrites OpenPowerCalculator(const InfoRequest& request, QWidget* parent);

}  // namespace recbook::ui
