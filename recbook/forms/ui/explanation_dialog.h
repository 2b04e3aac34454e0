#pragma once
// The Info dialog that explains an item with fixed help lines ([4A], [4D], [9G], [9Y], [13X]).
#include "forms/info_explanation.h"
#include "forms/info_request.h"
#include "forms/ui/info_dialog_frame.h"

namespace recbook::ui {

class ExplanationDialog : public InfoDialogFrame {
 public:
  ExplanationDialog(const InfoRequest& request, const Explanation& explanation, QWidget* parent);
};

// Opens the dialog modally; it writes nothing back.
BoxWrites OpenExplanation(const InfoRequest& request, QWidget* parent);

}  // namespace recbook::ui
