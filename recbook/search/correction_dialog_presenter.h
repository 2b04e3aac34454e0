#pragma once
// The dialog " Automatic correction of errors in records" without its widgets: the ten options,
// OK with the save question, the pass over the working copy with its progress and running count,
// and what follows in the editor: the repairs become the change count, the list is rebuilt in
// file order without marks, a running error search ends, the header is reloaded and the dialog
// closes after one second.
#include <string>

#include "bilingual_texts.h"
#include "correction/correction_pass.h"
#include "editor/file_commands.h"
#include "host.h"
#include "listing/record_list.h"
#include "search/correction_dialog_view.h"
#include "search/error_search_presenter.h"

namespace recbook {

// The editor state that the pass works on and reloads.
struct CorrectionTarget {
  FileCommands& files;
  RecordList& list;
  ErrorSearchPresenter& search;
  CorrectedFileView& window;
  std::string dtmDirectory;  // the editor's terrain directory at the time of the pass (O6)
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
  void ReloadEditor(uint64_t records, uint64_t repairs);

  quorla::Host& host_;
  CorrectionDialogView& dialog_;
  CorrectionTarget target_;
  quorla::Language language_;
  std::string caption_;
  CorrectionOptions options_;  // all ticked when the dialog opens
};

}  // namespace recbook
