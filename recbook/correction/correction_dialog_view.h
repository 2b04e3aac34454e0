#pragma once
// What the dialog " Automatic correction of errors in records" is asked to show while the
// correction pass runs.
#include <cstdint>
#include <string>

namespace recbook {

// The dialog: ten check boxes (their state is CorrectionDialogPresenter::options()), the
// progress bar, the running count and the two buttons.
class CorrectionDialogView {
 public:
  virtual ~CorrectionDialogView() = default;
  virtual void EnableButtons(bool enabled) = 0;  // "&OK" and "&Cancel" together
  // The progress bar runs from 0 to total records.
  virtual void SetProgressRange(uint64_t total) = 0;
  virtual void SetProgress(uint64_t done) = 0;
  // The text beside "Number of correct. errors:".
  virtual void SetRepairCount(const std::string& text) = 0;
  // Keeps the dialog on screen for a while before it closes; the window stays responsive.
  virtual void Pause(int milliseconds) = 0;
  virtual void Close() = 0;
};

}  // namespace recbook
