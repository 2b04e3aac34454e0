#pragma once
// The task window: a small modal dialog of 153 x 99 dialog units, centred on the screen, whose
// buttons go to the presenter; the presenter ends it with its code (exec() returns the code).
#include <QDialog>
#include <map>

#include "task_window_view.h"

class QAbstractButton;
class QGroupBox;
class QPushButton;

namespace taskhub {

class TaskWindowPresenter;

class TaskWindow : public QDialog, public TaskWindowView {
 public:
  TaskWindow();
  void SetPresenter(TaskWindowPresenter* presenter) { presenter_ = presenter; }

  void SetTitle(std::string_view text) override;
  void SetControlText(int id, std::string_view text) override;
  void SetFlag(std::string_view name) override;
  void CheckOption(int id) override;
  int CheckedOption() const override;
  void Close(int code) override { done(code); }

  // The close box and Escape: the Cancel control.
  void reject() override;

 private:
  void Forward(int id);
  TaskWindowPresenter* presenter_ = nullptr;
  QGroupBox* group_;
  QPushButton* flag_;
  std::map<int, QAbstractButton*> buttons_;  // options 11 to 13, buttons 1, 2 and 6
};

}  // namespace taskhub
