#pragma once
// What the dialog " Automatic correction of errors in records" and its editor window are asked
// to show while and after the correction pass runs.
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

// The editor window once the pass has rewritten the working copy.
class CorrectedFileView {
 public:
  virtual ~CorrectedFileView() = default;
  // Status bar part 4 ("...  starting data from file: " + count + "  Rec").
  virtual void SetStatusPart4(const std::string& text) = 0;
  // The record list was rebuilt in file order (order 300, no marks): show it with its heading,
  // the Sort check on 300, the first line selected and status parts 0 to 3 refreshed.
  virtual void ListRebuilt() = 0;
  // Loads the header page again from record 0 of the working copy.
  virtual void ReloadHeader() = 0;
};

}  // namespace recbook
