#include "editor/editor_presenter.h"

#include <algorithm>

#include "session/file_texts.h"
#include "editor/help_texts.h"
#include "session/list_loading.h"
#include "session/path_parts.h"
#include "session/progress_step.h"
#include "editor/tagged_header_check.h"
#include "listing/list_heading.h"
#include "listing/list_line.h"
#include "listing/sort_orders.h"
#include "listing/tagged_file.h"
#include "records/record_text.h"
#include "correction/correction_dialog_presenter.h"
#include "forms/form_texts.h"
#include "terrain_settings.h"
#include "entry/geo_box_settings.h"
#include "forms/block_field.h"
#include "settings_store.h"

namespace recbook {

using quorla::Answer;
using quorla::Buttons;
using quorla::Icon;

namespace {

constexpr quorla::BiText kTitle{" Editor of Exchange data files VA-99, MS  ", " Editor ''Exchange data'' souborů VA-99, MS  "};
using form_texts::kNewRecNo;
using form_texts::kRecNo;

constexpr quorla::BiText kSaveChanges{"           Save  changes  ?", "           Uložit  změny  ?"};

FormSetup FormSetupOf(const EditorStart& start) {
  return {start.language, start.caption, start.geoBoxProperties, start.libraries};
}

}  // namespace

EditorPresenter::EditorPresenter(quorla::Host& host, EditorView& view, EditorStart start)
    : host_(host),
      view_(view),
      start_(std::move(start)),
      files_(host, *this, start_.language, start_.caption),
      search_(host, *this, list_, files_, counts_, start_.language, start_.caption),
      recordForm_(host, view.RecordForm(), FormSetupOf(start_)),
      headerForm_(host, view.HeaderForm(), FormSetupOf(start_)) {
  files_.setLastDirectory(start_.lastDirectory);
  recordForm_.SetOnChange([this] { files_.SetFormDirty(true); });
  headerForm_.SetOnChange([this] { files_.SetFormDirty(true); });
}

void EditorPresenter::Start() {
  view_.SetTitle(start_.caption + Text(kTitle) + kEditorVersion);
  view_.SetMenuEnabled(MenuPosition::Blank, false);
  for (const MenuDefinition& menu : MenuBar())
    for (const MenuItem& item : menu.items)
      if (item.id != 0) view_.SetItemEnabled(item.id, true);
  EnableSaveCommands(false, false, false);
  view_.SetFileField(Text(file_texts::kUnknownFile));
  view_.SetColumnHeading(ListHeading(list_.view(), start_.language));
  view_.SetSortCheck(list_.order());
  RefreshMenus();
  ShowListPage();
}

// --- commands ------------------------------------------------------------------------------------

void EditorPresenter::OnCommand(int id) {
  if (building_) {  // only leaving is possible while the list is built: it stops the build
    if (id == kEscape || id == kExit) {
      stopBuild_ = true;
      closeAfterBuild_ = true;
    }
    return;
  }
  switch (id) {
    case kEscape:
    case kExit: Leave(); return;
    case kNewButton:
    case kNewFile: files_.NewFileCommand(); return;
    case kOpenButton:
    case kOpenFile: files_.OpenFileCommand(); return;
    case kSaveFile: files_.SaveFileCommand(false); return;
    case kSaveFileAs: files_.SaveFileAsCommand(false); return;
    case kSaveCrLfAs: files_.SaveCrLfAsCommand(); return;
    case kToggleTags:
    case kTagSelected:
    case kTagAll:
    case kUntagSelected:
    case kUntagAll: Tag(id); return;
    case kSaveTaggedAs:
      if (list_.TaggedCount() > 0) files_.SaveFileAsCommand(true);
      return;
    case kAppendTagged: RunViewer(ViewerMode::Append); return;
    case kRemoveTagged: RunViewer(ViewerMode::Remove); return;
    case kDeleteTagged:
      if (search_.searching()) {
        search_.DeleteRecordsWithErrors();
      } else {
        DeleteTagged();
      }
      return;
    case kAutomaticCorrection:
      if (!list_.empty()) RunCorrection();
      return;
    case kCalcErrorSearch:
    case kAllErrorSearch: search_.OnCommand(id); return;
    case kErrorCodesHelp: search_.ShowErrorCodes(); return;
    case kDateTimeSetting:
    case kDirectorySetting:
    case kGeoBoxSetting: Utility(id); return;
    case kRenameEdited: files_.RenameEditedFileCommand(); return;
    case kDeleteEdited: files_.DeleteEditedFileCommand(); return;
    case kFormFirstButton:
    case kSaveRecord:
    case kAddRecord:
    case kClearRecord:
    case kRestoreRecord:
    case kSaveHeader:
    case kClearHeader:
    case kRestoreHeader: FormCommand(id); return;
    default: break;
  }
  if (IsSortOrder(id) && !list_.empty()) return Sort(id);
  if (id >= kExchangeFileHelp && id <= kItemCorrectionHelp) return ShowHelp(id);
}

bool EditorPresenter::MayClose() {
  if (files_.changes() > 0 || files_.formDirty()) return files_.SaveFileCommand(true) != 1;
  return true;
}

bool EditorPresenter::OnCloseRequest() {
  if (building_) {
    stopBuild_ = true;
    closeAfterBuild_ = true;
    return false;
  }
  return MayClose();
}

void EditorPresenter::Leave() {
  if (MayClose()) view_.CloseWindow();
}

std::string EditorPresenter::Finish() {
  files_.CloseWorkingCopy();
  return files_.lastDirectory();
}

void EditorPresenter::ShowHelp(int id) {
  const HelpBox box = HelpBoxOf(id, start_.language, start_.tempDirectory);
  host_.Message(box.text, start_.caption + box.title, Buttons::Ok, Icon::Information);
}

// --- the list --------------------------------------------------------------------------------------

bool EditorPresenter::BuildList() {
  list_.Clear();
  view_.ListReset();
  for (int part = 1; part <= 3; ++part) SetStatus(part, "");
  const uint64_t total = files_.recordCount();
  building_ = true;
  stopBuild_ = false;
  SetStatus(0, "");
  view_.ShowProgress(0, total);
  host_.ProcessEvents();
  const WorkingCopy& copy = files_.workingCopy();
  LoadListLines(
      list_, total, [&](uint64_t first, size_t n, char* out) { return copy.ReadRecords(first, n, out); },
      [&](uint64_t done) {
        view_.ShowProgress(done, total);
        host_.ProcessEvents();
        return !stopBuild_;
      });
  building_ = false;
  view_.HideProgress();
  view_.ListReset();
  return !stopBuild_;
}

void EditorPresenter::Sort(int order) {
  const int before = list_.order();
  view_.ReorderList([&](std::span<size_t> rows) { list_.Sort(order, rows); });
  ShowOrderTexts();
  // A new order starts at its first line; the same order again keeps the selection on its lines.
  if (order != before || view_.SelectedRows().empty()) {
    const size_t first = 0;
    view_.SelectRows({&first, 1}, 0);
  }
  RefreshStatus();
}

void EditorPresenter::ShowOrderTexts() {
  view_.SetSortCheck(list_.order());
  SetStatus(4, Text(SortOrderOf(list_.order()).status));
  view_.SetColumnHeading(ListHeading(list_.view(), start_.language));
}

void EditorPresenter::Tag(int id) {
  if (list_.empty() || search_.searching()) return;  // the mark column holds error letters then
  const std::vector<size_t> rows = view_.SelectedRows();
  switch (id) {
    case kTagSelected: TagRows(list_, rows); break;
    case kUntagSelected: UntagRows(list_, rows); break;
    case kTagAll: TagAll(list_); break;
    case kUntagAll: UntagAll(list_); break;
    default: ToggleRows(list_, rows); break;
  }
  if (id == kTagAll || id == kUntagAll)
    view_.ListRowsChanged(0, list_.size() - 1);
  else if (!rows.empty())
    view_.ListRowsChanged(rows.front(), rows.back());
  RefreshStatus();
}

void EditorPresenter::DeleteTagged() {
  if (list_.TaggedCount() == 0) return;
  const size_t caret = view_.CaretRow();
  const size_t removed = recbook::DeleteTagged(list_, counts_);
  for (size_t i = 0; i < removed; ++i) files_.CountChange();
  view_.ListReset();
  if (!list_.empty()) {
    const size_t row = std::min(caret, list_.size() - 1);
    view_.SelectRows({&row, 1}, row);
  }
  RefreshMenus();
  RefreshStatus();
}

void EditorPresenter::RunViewer(ViewerMode mode) {
  if (list_.TaggedCount() == 0) return;
  ViewerSetup setup;
  setup.mode = mode;
  setup.caption = start_.caption;
  setup.language = start_.language;
  setup.editedFile = files_.editedFile();
  setup.lastDirectory = files_.lastDirectory();
  if (!ReadRecords(files_.workingCopy(), TaggedRecordNumbers(list_), setup.tagged)) return;
  view_.RunFileViewer(setup);
}

// --- selection and pages ----------------------------------------------------------------------------

// During the error search the mark column holds the error letters: a press there only selects,
// and a multiple selection is reduced to its caret line, so that the marks and their count stay
// true.
void EditorPresenter::OnSelectionChanged(bool tagColumnPress) {
  if (search_.searching()) {
    const std::vector<size_t> rows = view_.SelectedRows();
    if (rows.size() > 1) {
      const size_t caret = view_.CaretRow();
      SelectRow(std::find(rows.begin(), rows.end(), caret) != rows.end() ? caret : rows.back());
    }
  } else if (tagColumnPress && !list_.empty()) {
    return Tag(kToggleTags);
  }
  RefreshStatus();
}

void EditorPresenter::OnDoubleClick(size_t row) {
  if (row >= list_.size()) return;
  ShowRecordOfRow(row);
}

void EditorPresenter::OnPageRequest(int page) {
  view_.ShowPage(static_cast<Page>(page_));  // the tab goes back until the change is allowed
  if (building_ || page == page_) return;
  if (!MayLeaveForm()) return;
  if (page == kListPage) return ShowListPage();
  if (page == kHeaderPage) return ShowHeaderPage();
  if (page != kRecordPage) return;
  const std::vector<size_t> rows = view_.SelectedRows();
  if (rows.size() != 1 || list_.empty()) return;
  ShowRecordOfRow(rows.front());
}

bool EditorPresenter::LoadRecordOfRow(size_t row) {
  char text[kRecordSize];
  const uint32_t k = list_.RecordNumber(row);
  if (!files_.workingCopy().ReadRecord(k, text)) return false;
  recordForm_.Load(RecordFromText<StationRecord>({text, kRecordSize}), k);
  return true;
}

void EditorPresenter::LoadHeader() {
  char text[kRecordSize];
  const bool read = files_.workingCopy().IsOpen() && files_.workingCopy().ReadRecord(0, text);
  headerForm_.Load(RecordFromText<HeaderRecord>(read ? std::string_view(text, kRecordSize) : std::string_view()));
}

bool EditorPresenter::ShowRecordOfRow(size_t row) {
  if (!LoadRecordOfRow(row)) return false;
  page_ = kRecordPage;
  view_.ShowPage(kRecordPage);
  SetInformation(Text(kRecNo) + NumberText(list_.RecordNumber(row)));
  RebuildEditMenu();
  return true;
}

void EditorPresenter::ShowHeaderPage() {
  LoadHeader();
  page_ = kHeaderPage;
  view_.ShowPage(kHeaderPage);
  SetInformation("");
  RebuildEditMenu();
}

void EditorPresenter::ShowListPage() {
  page_ = kListPage;
  view_.ShowPage(kListPage);
  SetInformation(InformationLabel(counts_));
  RebuildEditMenu();
}

// The list page has the tag and batch commands, the record and header pages their form's.
void EditorPresenter::RebuildEditMenu() {
  std::vector<EditMenuEntry> items;
  const bool searching = search_.searching();
  if (page_ == kRecordPage) {
    const bool cancelNew = recordForm_.isNew() && !searching;
    items = {{kSaveRecord, Text(form_texts::kSaveRecord), !searching},
             {0, "", true},
             {kAddRecord, Text(form_texts::kAddRecord), !searching},
             {kClearRecord, Text(form_texts::kClearRecord), !searching},
             {kRestoreRecord, Text(cancelNew ? form_texts::kCancelNewRecord : form_texts::kRestoreRecord), true}};
  } else if (page_ == kHeaderPage) {
    items = {{kSaveHeader, Text(form_texts::kSaveHeader), true},
             {0, "", true},
             {kClearHeader, Text(form_texts::kClearHeader), true},
             {kRestoreHeader, Text(form_texts::kRestoreHeader), true}};
  } else if (searching)
    for (const SearchMenuItem& item : search_.EditMenu()) items.push_back({item.id, item.text, item.enabled});
  else
    for (const EditMenuItem& item : kListEditMenu)
      items.push_back({item.id, Text(item.text), item.id == 0 || EditMenuItemEnabled(item.id, list_, files_.fixedDrive())});
  view_.SetEditMenu(items);
  view_.SetMenuEnabled(MenuPosition::Edit, files_.workingCopy().IsOpen());
}

void EditorPresenter::RefreshMenus() {
  const bool listed = !list_.empty();
  // During the error search Sort stays greyed and Corrections holds the search's Cancel.
  view_.SetMenuEnabled(MenuPosition::Sort, listed && !search_.searching());
  view_.SetMenuEnabled(MenuPosition::Corrections, listed || search_.searching());
  RebuildEditMenu();
}

void EditorPresenter::RefreshStatus() {
  if (!files_.workingCopy().IsOpen()) return;
  const std::vector<size_t> rows = view_.SelectedRows();
  const ListSelection selection{rows.size(), view_.CaretRow()};
  const std::array<std::string, 4> parts = StatusParts(list_, selection, start_.language, search_.errorMarks());
  for (int part = 0; part < 4; ++part) SetStatus(part, parts[static_cast<size_t>(part)]);
  if (page_ == kListPage) SetInformation(InformationLabel(counts_));
  for (const EditMenuItem& item : kListEditMenu)
    if (item.id != 0 && page_ == kListPage && !search_.searching())
      view_.SetItemEnabled(item.id, EditMenuItemEnabled(item.id, list_, files_.fixedDrive()));
}

void EditorPresenter::SetStatus(int part, const std::string& text) {
  auto& shown = status_[static_cast<size_t>(part)];
  if (shown && *shown == text) return;
  shown = text;
  view_.SetStatusPart(part, text);
}

void EditorPresenter::SetInformation(const std::string& text) {
  if (information_ && *information_ == text) return;
  information_ = text;
  view_.SetInformation(text);
}

// --- what the error search asks of the window -----------------------------------------------------

void EditorPresenter::EnableMenu(int barPosition, bool enabled) {
  view_.SetMenuEnabled(static_cast<MenuPosition>(barPosition), enabled);
}

void EditorPresenter::ListMarksChanged() {
  if (!list_.empty()) view_.ListRowsChanged(0, list_.size() - 1);
}

void EditorPresenter::ListLinesRemoved() {
  view_.ListReset();
  if (!list_.empty()) SelectRow(std::min(view_.CaretRow(), list_.size() - 1));
  RefreshMenus();
}

void EditorPresenter::SelectRow(size_t row) { view_.SelectRows({&row, 1}, row); }

void EditorPresenter::SetSearchStatus(const std::string& text) {
  if (text.empty()) {
    ShowOrderTexts();
  } else {
    SetStatus(4, text);
  }
}

// --- the utilities -------------------------------------------------------------------------------

// Greyed with their menu during the error search. The entry-box properties the dialog stored are
// read back as at the editor's start, and the record form uses them at once.
void EditorPresenter::Utility(int id) {
  if (search_.searching()) return;
  switch (id) {
    case kDateTimeSetting:
      return view_.RunClockDialog([this](ClockDialogView& dialog) {
        return std::make_unique<ClockDialogPresenter>(host_, dialog, start_.language, start_.caption);
      });
    case kDirectorySetting: {
      if (!start_.libraries) return;
      TransfSourParams block = SettingsBlock(1);
      start_.libraries->DirectorySettings(block);  // the library keeps the directories itself
      return;
    }
    case kGeoBoxSetting: {
      if (!start_.libraries) return;
      TransfSourParams block = SettingsBlock(0);
      if (start_.libraries->EntryBoxSettings(block) == 1)
        recordForm_.SetGeoBoxProperties(terrainmap::ReadGeoBoxProperties(quorla::SettingsStore()));
      return;
    }
    default: return;
  }
}

// The block of the map library's settings dialogs: the editor window as owner, placed at 90, 0,
// the language and the title prefix; flag is the directory dialog's further byte.
TransfSourParams EditorPresenter::SettingsBlock(uint8_t flag) const {
  TransfSourParams block{};
  block.parent = view_.WindowHandle();
  block.x = 90;
  block.y = 0;
  block.language = start_.language == quorla::Language::English ? 0 : 1;
  WriteBlockField(block.caption, start_.caption);
  block.kind = flag;
  return block;
}

// --- the automatic correction ---------------------------------------------------------------------

void EditorPresenter::RunCorrection() {
  view_.RunCorrectionDialog([this](CorrectionDialogView& dialog) {
    CorrectionTarget target{files_, quorla::TerrainDirectory(),
                            [this](const CorrectionOutcome& outcome) { ReloadCorrected(outcome); }};
    return std::make_unique<CorrectionDialogPresenter>(host_, dialog, std::move(target), start_.language,
                                                       start_.caption);
  });
}

// The list in file order, as after Open: tags, error marks and the added and deleted counts go
// with the old lines, and a running error search ends.
void EditorPresenter::ReloadCorrected(const CorrectionOutcome& outcome) {
  list_.Clear();
  const WorkingCopy& copy = files_.workingCopy();
  LoadListLines(
      list_, outcome.records,
      [&](uint64_t first, size_t n, char* out) { return copy.ReadRecords(first, n, out); },
      [](uint64_t) { return true; });
  search_.End();
  counts_ = {};
  SetStatus(4, std::string(file_texts::kStartingData(start_.language)) +
                   NumberText(static_cast<long long>(outcome.records)) + "  Rec");
  view_.ListReset();
  view_.SetSortCheck(list_.order());
  view_.SetColumnHeading(ListHeading(list_.view(), start_.language));
  if (!list_.empty()) SelectRow(0);
  RefreshMenus();
  RefreshStatus();
  LoadHeader();
}

// --- what the file commands tell the window -------------------------------------------------------

bool EditorPresenter::StoreForm() { return page_ == kHeaderPage ? StoreHeader() : StoreRecord(); }

std::vector<uint32_t> EditorPresenter::ListedRecords(bool taggedOnly) const {
  return taggedOnly ? TaggedRecordNumbers(list_) : list_.RecordNumbers();
}

std::optional<std::string> EditorPresenter::TaggedRecordsHeader(const std::string& target) {
  char text[kRecordSize];
  if (!files_.workingCopy().ReadRecord(0, text)) return std::nullopt;
  const quorla::LocalTime today = host_.Now();
  const HeaderValues initial =
      TaggedFileHeaderValues(RecordFromText<HeaderRecord>({text, kRecordSize}), list_.TaggedCount(), today);
  const std::optional<HeaderValues> chosen =
      view_.AskTaggedHeader(start_.caption + TaggedHeaderTitle(start_.language, BareName(target)), initial,
                            TodayNote(start_.language, DateToDisplay(DateItem(today))));
  if (!chosen) return std::nullopt;
  return HeaderRecordText(*chosen);
}

void EditorPresenter::EnableSaveCommands(bool save, bool saveAs, bool saveCrLfAs) {
  view_.SetItemEnabled(kSaveFile, save);
  view_.SetItemEnabled(kSaveFileAs, saveAs);
  view_.SetItemEnabled(kSaveCrLfAs, saveCrLfAs);
}

void EditorPresenter::ShowOpenedFile(uint64_t) {
  search_.End();
  counts_ = {};
  const bool complete = BuildList();
  ShowOrderTexts();
  if (!list_.empty()) {
    const size_t first = 0;
    view_.SelectRows({&first, 1}, 0);
  }
  RefreshMenus();
  if (complete) {
    RefreshStatus();
  } else {
    SetStatus(0, "");
  }
  if (list_.empty() || !LoadRecordOfRow(0)) recordForm_.LoadNew(NextRecordNumber());
  LoadHeader();
  ShowListPage();
  if (!list_.empty()) view_.FocusList();
  if (closeAfterBuild_) {
    closeAfterBuild_ = false;
    Leave();
  }
}

void EditorPresenter::ShowNewFile() {
  search_.End();
  counts_ = {};
  list_.Clear();
  view_.ListReset();
  ShowOrderTexts();
  RefreshMenus();
  RefreshStatus();
  LoadHeader();
  page_ = kRecordPage;
  view_.ShowPage(kRecordPage);
  NewRecord();
}

void EditorPresenter::ShowNoFile() {
  search_.End();
  counts_ = {};
  list_.Clear();
  view_.ListReset();
  for (int part = 0; part < 4; ++part) SetStatus(part, "");
  recordForm_.Load(RecordFromText<StationRecord>(""), 0);
  LoadHeader();
  RefreshMenus();
  ShowListPage();
}

// --- the record and header forms ------------------------------------------------------------------

uint32_t EditorPresenter::NextRecordNumber() const {
  const uint64_t stored = files_.workingCopy().IsOpen() ? files_.workingCopy().StoredRecords() : 1;
  return static_cast<uint32_t>(stored == 0 ? 1 : stored);
}

void EditorPresenter::NewRecord() {
  recordForm_.LoadNew(NextRecordNumber());
  SetInformation(Text(kNewRecNo) + NumberText(NextRecordNumber()));
  RebuildEditMenu();
}

void EditorPresenter::FormCommand(int id) {
  if (!files_.workingCopy().IsOpen()) return;
  const bool searching = search_.searching();
  if (page_ == kRecordPage) {
    switch (id) {
      case kFormFirstButton:
        if (searching) return recordForm_.FindError(search_.mode());
        return NewRecord();
      case kSaveRecord:
        if (StoreRecord()) files_.CountChange();
        return;
      case kAddRecord:
        if (!searching) NewRecord();
        return;
      case kClearRecord: {
        if (searching) return;
        const std::vector<size_t> rows = view_.SelectedRows();
        if (list_.empty() || rows.size() != 1) return NewRecord();
        return recordForm_.LoadDefaults();
      }
      case kRestoreRecord: {
        const std::vector<size_t> rows = view_.SelectedRows();
        if (list_.empty() || rows.empty()) return NewRecord();
        if (LoadRecordOfRow(rows.front())) files_.SetFormDirty(false);
        SetInformation(Text(kRecNo) + NumberText(recordForm_.number()));
        return RebuildEditMenu();
      }
      default: return;
    }
  }
  if (page_ != kHeaderPage) return;
  switch (id) {
    case kSaveHeader:
      if (StoreHeader()) files_.CountChange();
      return;
    case kClearHeader: return headerForm_.Clear();
    case kRestoreHeader:
      LoadHeader();
      files_.SetFormDirty(false);
      return;
    default: return;
  }
}

// The checked record goes to its place in the working copy (a new one after the last), its line
// is placed by the sort order in force and selected, so that the list and the form show the same
// record. During an error search the line loses its mark and the count of marked records goes
// down by one.
bool EditorPresenter::StoreRecord() {
  const std::optional<StationRecord> record = recordForm_.CheckedRecord(search_.mode());
  if (!record) return false;
  const bool added = recordForm_.isNew();
  const uint32_t k = added ? NextRecordNumber() : recordForm_.number();
  if (!files_.workingCopy().WriteRecord(k, record->text())) {
    host_.Message(Text(form_texts::kNotStored), start_.caption + Text(form_texts::kErrorTitle), Buttons::Ok,
                  Icon::Error);
    return false;
  }
  const size_t old = list_.RowOfRecord(k);
  const bool wasMarked = old < list_.size() && list_.Mark(old) != ' ' && search_.searching();
  const size_t row = list_.PlaceRecord(*record, k);
  if (added) ++counts_.added;
  files_.SetFormDirty(false);
  recordForm_.Stored(k);
  view_.ListReset();
  if (wasMarked) search_.RecordCorrected();
  SelectRow(row);
  SetInformation(Text(kRecNo) + NumberText(k));
  RebuildEditMenu();
  RefreshStatus();
  return true;
}

bool EditorPresenter::StoreHeader() {
  const std::optional<std::string> header = headerForm_.CheckedHeader();
  if (!header) return false;
  if (!files_.workingCopy().WriteRecord(0, *header)) {
    host_.Message(Text(form_texts::kNotStored), start_.caption + Text(form_texts::kErrorTitle), Buttons::Ok,
                  Icon::Error);
    return false;
  }
  files_.SetFormDirty(false);
  headerForm_.Stored();
  return true;
}

bool EditorPresenter::MayLeaveForm() {
  if (page_ == kListPage || !files_.formDirty()) return true;
  const Answer a = host_.Message(Text(kSaveChanges), " " + start_.caption, Buttons::YesNoCancel, Icon::Question);
  if (a == Answer::Cancel) return false;
  if (a == Answer::Yes) {
    if (!StoreForm()) return false;
    files_.CountChange();
    return true;
  }
  files_.SetFormDirty(false);  // No: the edits are dropped, the form shows the stored data again
  if (page_ == kHeaderPage) {
    LoadHeader();
  } else if (!recordForm_.isNew()) {
    const size_t row = list_.RowOfRecord(recordForm_.number());
    if (row < list_.size()) LoadRecordOfRow(row);
  }
  return true;
}

}  // namespace recbook
