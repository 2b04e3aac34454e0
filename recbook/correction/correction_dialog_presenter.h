#pragma once
// The dialog " Automatic correction of errors in records" without its widgets: the ten options,
// OK with the save question, the pass over the working copy with its progress and running count;
// the repairs become the change count, the pass's result goes to the editor (which rebuilds its
// own list and header) and the dialog closes after one second.
#include <cstdint>
#include <functional>
#include <string>

#include "bilingual_texts.h"
#include "correction/correction_pass.h"
#include "correction/correction_dialog_view.h"
#include "host.h"
#include "session/file_commands.h"

namespace recbook {

// What a finished pass hands to the editor: the station records of the working copy and the
// repairs made in them.
struct CorrectionOutcome {
  uint64_t records = 0;
  uint64_t repairs = 0;
};

// The edited file the pass works on, and who hears of the pass once it has run.
struct CorrectionTarget {
  FileCommands& files;
  std::string dtmDirectory;  // the editor's terrain directory at the time of the pass (O6)
  std::function<void(const CorrectionOutcome&)> corrected;  // before the pause, so the window shows it
};

inline constexpr int kCorrectionClosePauseMs = 1000;

class CorrectionDialogPresenter {
 public:
  CorrectionDialogPresenter(quorla::Host& host, CorrectionDialogView& dialog, CorrectionTarget target,
                            quorla::Language language, std::string caption);

  // The dialog's title: the caption prefix and " Automatic correction of errors in records".
  std::string Title() const;
  const CorrectionOptions& options() const { return options_; }
  void SetOption(CorrectionOption option, bool on) { options_.Set(option, on); }

  // "&OK": returns false when the save question was cancelled (the pass did not run and the
  // dialog stays open), true when the pass ran and the dialog was closed.
  bool Ok();
  // "&Cancel": closes the dialog, nothing changed.
  void Cancel() { dialog_.Close(); }

 private:
  quorla::Host& host_;
  CorrectionDialogView& dialog_;
  CorrectionTarget target_;
  quorla::Language language_;
  std::string caption_;
  CorrectionOptions options_;  // all ticked when the dialog opens
};

}  // namespace recbook
