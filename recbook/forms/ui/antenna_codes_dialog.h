#pragma once
// The antenna codes window (Info of [9XH] and [9XV]): the explanation of the codes and
// "&Ant. Editor", the antenna editor with the form's codes and angles; the window closes with
// what the editor transferred.
#include <optional>

#include "forms/info_request.h"
#include "forms/ui/info_dialog_frame.h"

namespace recbook::ui {

class AntennaCodesDialog : public InfoDialogFrame {
 public:
  AntennaCodesDialog(const InfoRequest& request, LibraryCalls& calls, QWidget* parent);
  QPushButton* editorButton() const { return editor_; }
  // The boxes' new texts after a Transfer, empty otherwise.
  const BoxWrites& writes() const { return writes_; }

 private:
  QPushButton* editor_;
  BoxWrites writes_;
};

BoxWrites OpenAntennaCodes(const InfoRequest& request, QWidget* parent);
// [9A] and [9B] open the antenna editor itself, owned by the form's window.
BoxWrites OpenAntennaEditor(const InfoRequest& request, QWidget* parent);

}  // namespace recbook::ui
