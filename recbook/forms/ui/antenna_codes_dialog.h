#pragma once
// The antenna codes window (Info of [9XH] and [9XV]): the explanation of the codes, "&Ant. Editor"
// (the antenna editor with the form's codes and angles; the window closes after a Transfer) and
// "&OK".
#include "forms/ui/info_dialog_frame.h"

namespace recbook {
class LibraryCalls;
class RecordFormPresenter;
}  // namespace recbook

namespace recbook::ui {

class AntennaCodesDialog : public InfoDialogFrame {
 public:
  // fromBox: [9XH] or [9XV], the page the antenna editor shows first.
  AntennaCodesDialog(RecordFormPresenter& form, LibraryCalls& calls, int fromBox, QWidget* parent);
  QPushButton* editorButton() const { return editor_; }

 private:
  QPushButton* editor_ = nullptr;
};

}  // namespace recbook::ui
