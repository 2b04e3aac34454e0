#pragma once
// The picker dialogs: option buttons ([1Z], [6A], [6B], [9D]), a fixed-pitch list box ([6Z], [4B],
// [13Y]) or the two option buttons of [10Z] and [8B2], over a CodePickerPresenter.
#include <vector>

#include "forms/code_picker_presenter.h"
#include "forms/ui/info_dialog_frame.h"

class QButtonGroup;
class QListWidget;

namespace recbook::ui {

class CodePickerDialog : public InfoDialogFrame, public CodePickerView {
 public:
  CodePickerDialog(const InfoRequest& request, QWidget* parent);

  void SelectLine(size_t line) override;

  CodePickerPresenter& presenter() { return presenter_; }
  // The option buttons (nullptr in a list picker) or the list box (nullptr in an option picker).
  QButtonGroup* buttons() const { return buttons_; }
  QListWidget* list() const { return list_; }

 private:
  CodePickerPresenter presenter_;
  QButtonGroup* buttons_ = nullptr;
  QListWidget* list_ = nullptr;
};

BoxWrites OpenCodePicker(const InfoRequest& request, QWidget* parent);

}  // namespace recbook::ui
