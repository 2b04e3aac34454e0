#pragma once
// The date and time dialog: the date box and the time box on their labels' rows, "&OK" and
// "&Cancel". The dialog shows what its presenter says and hands it every key and button.
#include <QDialog>

#include "bilingual_texts.h"
#include "utilities/clock_dialog_view.h"

class QLineEdit;
class QPushButton;

namespace recbook {
class ClockDialogPresenter;
}

namespace recbook::ui {

class ClockDialog : public QDialog, public ClockDialogView {
 public:
  ClockDialog(QWidget* parent, quorla::Language language);

  // Title and texts from the presenter, the boxes' typing and the buttons to it.
  void Bind(ClockDialogPresenter& presenter);

  QLineEdit* dateBox() const { return date_; }
  QLineEdit* timeBox() const { return time_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

  void ShowTexts(const std::string& date, const std::string& time) override;
  void FocusBox(ClockBox box) override;
  void Close(bool set) override;

 private:
  QLineEdit* date_ = nullptr;
  QLineEdit* time_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  ClockDialogPresenter* presenter_ = nullptr;
};

}  // namespace recbook::ui
