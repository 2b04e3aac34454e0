#include "search/correction_dialog_presenter.h"

#include "correction/correction_texts.h"
#include "editor/file_texts.h"
#include "editor/list_loading.h"
#include "listing/tagging.h"

namespace recbook {
namespace {

// The bar moves and the window processes its events once per this many records.
constexpr uint64_t kProgressStep = 256;

}  // namespace

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
  ReloadEditor(records, result.repairs);
  dialog_.Pause(kCorrectionClosePauseMs);
  dialog_.Close();
  return true;
}

void CorrectionDialogPresenter::ReloadEditor(uint64_t records, uint64_t repairs) {
  target_.files.SetChanges(static_cast<long long>(repairs));

  // The list in file order, as after Open: tags and error marks are gone with the old lines.
  RecordList& list = target_.list;
  list.Clear();
  const WorkingCopy& copy = target_.files.workingCopy();
  LoadListLines(
      list, records, [&](uint64_t first, size_t n, char* out) { return copy.ReadRecords(first, n, out); },
      [](uint64_t) { return true; });
  target_.search.End();

  target_.window.SetStatusPart4(std::string(file_texts::kStartingData(language_)) +
                                NumberText(static_cast<long long>(records)) + "  Rec");
  target_.window.ListRebuilt();
  target_.window.ReloadHeader();
}

}  // namespace recbook
