#include "correction/correction_dialog_presenter.h"

#include "correction/correction_texts.h"
#include "session/progress_step.h"

namespace recbook {

CorrectionDialogPresenter::CorrectionDialogPresenter(quorla::Host& host, CorrectionDialogView& dialog,
                                                     CorrectionTarget target, quorla::Language language,
                                                     std::string caption)
    : host_(host), dialog_(dialog), target_(std::move(target)), language_(language), caption_(std::move(caption)) {}

std::string CorrectionDialogPresenter::Title() const {
  return caption_ + std::string(CorrectionTexts().title(language_));
}

bool CorrectionDialogPresenter::Ok() {
  dialog_.EnableButtons(false);
  FileCommands& files = target_.files;
  if ((files.changes() > 0 || files.formDirty()) && files.SaveFileCommand(true) == 1) {
    dialog_.EnableButtons(true);
    return false;
  }
  WorkingCopy& copy = files.workingCopy();
  const uint64_t stored = copy.StoredRecords();
  const uint64_t records = stored > 0 ? stored - 1 : 0;
  dialog_.SetProgressRange(records);
  dialog_.SetRepairCount(RepairCountText(0));
  host_.ProcessEvents();

  uint64_t shown = 0;
  const CorrectionSettings settings{options_, target_.dtmDirectory};
  const CorrectionResult result = CorrectWorkingCopy(copy, settings, [&](uint64_t done, uint64_t repairs) {
    if (repairs != shown) {
      dialog_.SetRepairCount(RepairCountText(repairs));
      shown = repairs;
    }
    if (done % kProgressStep == 0 || done == records) {
      dialog_.SetProgress(done);
      host_.ProcessEvents();
    }
  });
  // A failed write leaves the records before it corrected; the editor shows what the copy holds.
  files.SetChanges(static_cast<long long>(result.repairs));
  if (target_.corrected) target_.corrected({records, result.repairs});
  dialog_.Pause(kCorrectionClosePauseMs);
  dialog_.Close();
  return true;
}

}  // namespace recbook
