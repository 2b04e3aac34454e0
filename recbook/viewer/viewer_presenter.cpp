#include "viewer/viewer_presenter.h"

#include "session/file_texts.h"
#include "session/list_loading.h"
#include "session/path_parts.h"
#include "session/progress_step.h"
#include "viewer/station_transfer.h"
#include "listing/list_heading.h"
#include "listing/list_line.h"
#include "listing/merge_file.h"
#include "listing/other_file_check.h"
#include "listing/sort_orders.h"
#include "platform_paths.h"

namespace recbook {

using quorla::Answer;
using quorla::Buttons;
using quorla::Icon;

namespace {

bool Writes(ViewerMode m) { return m == ViewerMode::Append || m == ViewerMode::Remove; }

}  // namespace

ViewerPresenter::ViewerPresenter(quorla::Host& host, ViewerView& view, ViewerSetup setup, void* transfer)
    : host_(host),
      view_(view),
      setup_(std::move(setup)),
      transfer_(transfer),
      recordForm_(host, view.RecordForm(), {setup_.language, setup_.caption, {}, nullptr, true}),
      headerForm_(host, view.HeaderForm(), {setup_.language, setup_.caption, {}}) {}

std::string ViewerPresenter::Title(std::string_view suffix) const { return " " + setup_.caption + std::string(suffix); }

std::string ViewerPresenter::Title() const {
  const bool en = setup_.language == quorla::Language::English;
  switch (setup_.mode) {
    case ViewerMode::Append:
      return Title(en ? "  Append taged records to another Exchange data file,   "
                      : "  Připojení označených rekordů k jinému ''Exchange data'' souboru,   ") +
             kEditorVersion;
    case ViewerMode::Remove:
      return Title(en ? "  Remove taged records from another Exchange data file,   "
                      : "  Odstranění označených rekordů z jiného ''Exchange data'' souboru,   ") +
             kEditorVersion;
    case ViewerMode::TxTransfer:
    case ViewerMode::TxRxTransfer:
      return Title(en ? "  Load record  from  Vienna Agreement 99  Exchange data file"
                      : "  Načtení rekordu  z  ''Exchange data'' souboru Vídeňské dohody 99") +
             ",   " + kViewerVersion;
    case ViewerMode::UseFile:
      return Title(en ? "  Selection of Exchange data file  for  automatic calculation"
                      : "  Výběr ''Exchange data'' souboru  pro  automatický výpočet") +
             ",   " + kViewerVersion;
  }
  return {};
}

std::vector<ViewerButton> ViewerPresenter::Buttons() const {
  const bool en = setup_.language == quorla::Language::English;
  std::vector<ViewerButton> buttons;
  switch (setup_.mode) {
    case ViewerMode::Append:
      buttons.push_back({kViewerAppend, en ? "&A p p e n d  taged Rec" : "&P ř i p o j i t  označ. Rec"});
      break;
    case ViewerMode::Remove:
      buttons.push_back({kViewerRemove, en ? "&R e m o v e  taged Rec" : "&O d s t r a n i t  označ. Rec"});
      break;
    case ViewerMode::TxTransfer:
      buttons.push_back({kViewerTransferTx, en ? "&Transfer Tx data" : "&Předat Tx údaje"});
      break;
    case ViewerMode::TxRxTransfer:
      buttons.push_back({kViewerTransferTx, en ? "Transfer &Tx data" : "Předat &Tx údaje"});
      buttons.push_back({kViewerTransferRx, en ? "Transfer &Rx data" : "Předat &Rx údaje"});
      break;
    case ViewerMode::UseFile: buttons.push_back({kViewerUseFile, en ? "&Use  file" : "&Použít  soubor"}); break;
  }
  buttons.push_back({kViewerItemCodes, en ? "&Item codes" : "&Kódy položek"});
  buttons.push_back({kViewerSorting, en ? "&Sorting" : "&Třídění"});
  buttons.push_back({kViewerCancel, en ? "&Cancel" : "&Zrušit"});
  return buttons;
}

void ViewerPresenter::Start() {
  view_.SetTitle(Title());
  view_.SetFileField(std::string(file_texts::kUnknownFile(setup_.language)));
  view_.SetColumnHeading(ViewerHeading(list_.view(), setup_.language));
  view_.SetSortLabel(std::string(SortOrderOf(list_.order()).viewerText(setup_.language)));
  view_.SetActionsEnabled(false);
  view_.ShowPage(0);
}

void ViewerPresenter::OnOpen() {
  const quorla::Language l = setup_.language;
  for (;;) {
    quorla::FileDialogRequest request;
    request.title = setup_.caption + std::string(file_texts::kOpenTitle(l));
    request.filter = std::string(file_texts::kAllFilesFilter(l));
    request.directory = InitialDirectory(setup_.lastDirectory);
    request.fileMustExist = true;
    const std::string path = host_.OpenFileName(request);
    if (path.empty()) return;
    setup_.lastDirectory = DirectoryPart(path);
    OtherFileStatus status = CheckOtherFile(path, setup_.editedFile);
    if (status == OtherFileStatus::CdRom && !Writes(setup_.mode)) status = OtherFileStatus::Ok;  // read only
    if (status != OtherFileStatus::Ok) {
      host_.Message(OtherFileMessage(status), setup_.caption + OtherFileTitleSuffix(status), Buttons::Ok, Icon::Error);
      continue;
    }
    if (Load(path)) return;
    host_.Message(OtherFileMessage(OtherFileStatus::NotExchange), setup_.caption + " Open file Error", Buttons::Ok,
                  Icon::Error);
  }
}

bool ViewerPresenter::Load(const std::string& path) {
  WorkingCopy fresh;
  char header[kRecordSize];
  if (!fresh.OpenReadOnly(path) || !fresh.ReadRecord(0, header)) return false;
  RecordList lines;
  const uint64_t total = fresh.StoredRecords() - 1;
  view_.ShowProgress(0, total);
  const bool read = LoadListLines(
      lines, total, [&](uint64_t first, size_t n, char* out) { return fresh.ReadRecords(first, n, out); },
      [&](uint64_t done) {
        view_.ShowProgress(done, total);
        host_.ProcessEvents();
        return true;
      });
  view_.HideProgress();
  if (!read) return false;
  records_.Swap(fresh);
  list_ = std::move(lines);
  file_ = path;
  loadedStamp_ = quorla::StampOf(path);
  view_.ListReset();
  view_.SetFileField(path);
  view_.SetColumnHeading(ViewerHeading(list_.view(), setup_.language));
  view_.SetSortLabel(std::string(SortOrderOf(list_.order()).viewerText(setup_.language)));
  const bool en = setup_.language == quorla::Language::English;
  view_.SetHeaderInfo(std::string(en ? "...  data from file: " : "...  údaj ze souboru: ") + std::string(header + kHeaderCountOffset, kHeaderCountWidth) +
                      "  Rec");
  headerForm_.Load(RecordFromText<HeaderRecord>({header, kRecordSize}));
  if (!list_.empty()) view_.SelectRow(0);
  ShowSelectedRecord();
  view_.SetActionsEnabled(true);
  view_.ShowPage(0);
  return true;
}

std::string ViewerPresenter::LineAt(size_t row) const { return ViewerLine(list_.Line(row)); }

void ViewerPresenter::OnSort(int order) {
  if (!IsSortOrder(order)) return;
  view_.ReorderList([&](std::span<size_t> rows) { list_.Sort(order, rows); });
  view_.SetColumnHeading(ViewerHeading(list_.view(), setup_.language));
  view_.SetSortLabel(std::string(SortOrderOf(order).viewerText(setup_.language)));
  if (!list_.empty()) view_.SelectRow(0);
}

StationRecord ViewerPresenter::SelectedRecord() {
  const std::optional<size_t> row = view_.SelectedRow();
  char text[kRecordSize];
  if (!file_.empty() && row && *row < list_.size() && records_.ReadRecord(list_.RecordNumber(*row), text))
    return RecordFromText<StationRecord>({text, kRecordSize});
  return RecordFromText<StationRecord>("");
}

void ViewerPresenter::ShowSelectedRecord() {
  const std::optional<size_t> row = view_.SelectedRow();
  const bool listed = !file_.empty() && row && *row < list_.size();
  recordForm_.Load(SelectedRecord(), listed ? list_.RecordNumber(*row) : 0);
}

void ViewerPresenter::OnPageRequest(int page) {
  if (page == 1) ShowSelectedRecord();
  view_.ShowPage(page);
}

void ViewerPresenter::OnCommand(int command) {
  switch (command) {
    case kViewerCancel: view_.CloseWindow(); return;
    case kViewerItemCodes: view_.ShowItemCodes(SelectedRecord(), setup_.language, setup_.caption); return;
    case kViewerAppend:
    case kViewerRemove: Merge(command); return;
    case kViewerTransferTx:
    case kViewerTransferRx: Transfer(command); return;
    case kViewerUseFile:
      if (file_.empty()) return;
      result_ = file_;
      view_.CloseWindow();
      return;
    default: return;
  }
}

void ViewerPresenter::Transfer(int command) {
  const std::optional<size_t> row = view_.SelectedRow();
  char text[kRecordSize];
  if (file_.empty() || !row || *row >= list_.size() || !records_.ReadRecord(list_.RecordNumber(*row), text)) return;
  const bool tx = command == kViewerTransferTx;
  if (transfer_)
    WriteStationTransfer(RecordFromText<StationRecord>({text, kRecordSize}), tx ? TransferSide::Tx : TransferSide::Rx,
                         transfer_);
  result_ = tx ? "1" : "2";
  view_.CloseWindow();
}

void ViewerPresenter::Merge(int command) {
  if (file_.empty()) return;
  const MergeMode mode = command == kViewerAppend ? MergeMode::Append : MergeMode::Remove;
  if ((mode == MergeMode::Append) != (setup_.mode == ViewerMode::Append) || !Writes(setup_.mode)) return;
  const std::vector<uint32_t> order = list_.RecordNumbers();
  const uint64_t total = order.size() + (mode == MergeMode::Append ? setup_.tagged.size() : 0);
  const std::string title = setup_.caption + std::string(file_texts::kSavingErrorTitle(setup_.language));
  // The file is locked from here to its replacement; one that another program changed since it
  // was listed is not overwritten without asking, since its new records are not in the list.
  MergeStaging staging;
  staging.LockTarget(file_);
  if (quorla::StampOf(file_) != loadedStamp_ &&
      host_.Message(file_texts::ChangedOnDiskQuestion(setup_.language, file_),
                    " " + setup_.caption + std::string(file_texts::kConflictTitle(setup_.language)), Buttons::YesNo,
                    Icon::Exclamation) != Answer::Yes)
    return;
  records_.Remove();  // the file is replaced below (read-only: Remove only closes it)
  for (;;) {
    view_.ShowProgress(0, total);
    const bool built = staging.Build(mode, file_, order, setup_.tagged, host_.Now(), [&](uint64_t done) {
      if (done % kProgressStep == 0) {
        view_.ShowProgress(done, total);
        host_.ProcessEvents();
      }
    });
    view_.HideProgress();
    bool done = built && staging.Commit();
    while (built && !done) {  // Retry repeats the copy of the staging file
      if (host_.Message(MergeSaveFailureText(), title, Buttons::RetryCancel, Icon::Error) != Answer::Retry) break;
      done = staging.Commit();
    }
    if (built) break;
    if (host_.Message(MergeSaveFailureText(), title, Buttons::RetryCancel, Icon::Error) != Answer::Retry) break;
  }
  view_.CloseWindow();
}

}  // namespace recbook
