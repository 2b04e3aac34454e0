#include "search/error_search_presenter.h"

#include <algorithm>

#include "rules/error_letters.h"
#include "search/search_texts.h"

namespace recbook {

namespace st = search_texts;

ErrorSearchPresenter::ErrorSearchPresenter(quorla::Host& host, ErrorSearchView& view, RecordList& list,
                                           FileCommands& files, EditCounts& counts, quorla::Language language,
                                           std::string caption)
    : host_(host),
      view_(view),
      list_(list),
      files_(files),
      counts_(counts),
      language_(language),
      caption_(std::move(caption)) {}

void ErrorSearchPresenter::OnCommand(int id) {
  if (id != kCalcErrorSearch && id != kAllErrorSearch) return;
  if (searching()) {
    // The other item is greyed while a search runs; only the running one can cancel it.
    if (id == runningItem_) End();
    return;
  }
  if (list_.empty()) return;
  Start(id == kCalcErrorSearch ? ErrorSearchMode::CalcErrors : ErrorSearchMode::AllErrors, id);
}

void ErrorSearchPresenter::Start(ErrorSearchMode mode, int id) {
  ClearMarks();
  view_.SetSearchStatus(st::SearchStatus(mode, language_));
  mode_ = mode;
  runningItem_ = id;
  view_.SetMenuCaption(id, std::string(st::SearchCaption(id, true, language_)));
  SetRestricted(true, id);

  const std::optional<size_t> first = MarkFaultyRecords();
  view_.ListMarksChanged();
  view_.RebuildEditMenu();  // after the pass: item 207 is enabled only with marked lines
  if (first) view_.SelectRow(*first);
  view_.SetFormFirstButton(Text(st::kFindErrorButton));
  view_.RefreshStatus();
}

void ErrorSearchPresenter::End() {
  if (!searching()) return;
  mode_ = ErrorSearchMode::None;
  view_.SetMenuCaption(kCalcErrorSearch, Text(st::kCalcSearchCaption));
  view_.SetMenuCaption(kAllErrorSearch, Text(st::kAllSearchCaption));
  SetRestricted(false, runningItem_);
  runningItem_ = 0;
  view_.RebuildEditMenu();
  ClearMarks();
  view_.ListMarksChanged();
  view_.SetFormFirstButton(Text(st::kNewRecButton));
  view_.SetSearchStatus("");
  view_.RefreshStatus();
}

void ErrorSearchPresenter::SetRestricted(bool restricted, int id) {
  const bool on = !restricted;
  view_.EnableMenu(kFileMenuPosition, on);
  view_.EnableMenu(kUtilitiesMenuPosition, on);
  view_.EnableMenuItem(kAutomaticCorrection, on);
  view_.EnableMenuItem(id == kCalcErrorSearch ? kAllErrorSearch : kCalcErrorSearch, on);
  if (restricted) {
    view_.EnableMenu(kSortMenuPosition, false);
  } else {
    // Sort and Corrections need a list; deleting the faulty records may have emptied it. The
    // Corrections menu itself stays enabled during the search, else it could not be cancelled.
    view_.EnableMenu(kSortMenuPosition, !list_.empty());
    view_.EnableMenu(kCorrectionsMenuPosition, !list_.empty());
  }
}

std::optional<size_t> ErrorSearchPresenter::MarkFaultyRecords() {
  // The working copy is read once in file order, a block at a time; the letter of each record is
  // kept by record number (one byte a record), then written into the lines in list order.
  uint32_t last = 0;
  for (size_t row = 0; row < list_.size(); ++row) last = std::max(last, list_.RecordNumber(row));
  std::vector<char> letters(static_cast<size_t>(last) + 1, ' ');
  files_.workingCopy().ForEachRecord(1, [&](uint64_t k, std::string_view text) {
    if (k > last) return false;
    letters[k] = ErrorLetter(CheckRecord(RecordFromText<StationRecord>(text), mode_).mark);
    return true;
  });
  std::optional<size_t> first;
  for (size_t row = 0; row < list_.size(); ++row) {
    const char letter = letters[list_.RecordNumber(row)];
    if (letter == ' ') continue;
    list_.SetMark(row, letter);
    ++marked_;
    if (!first) first = row;
  }
  return first;
}

void ErrorSearchPresenter::ClearMarks() {
  for (size_t row = 0; row < list_.size(); ++row)
    if (list_.Mark(row) != ' ') list_.SetMark(row, ' ');
  marked_ = 0;
}

void ErrorSearchPresenter::DeleteRecordsWithErrors() {
  if (!searching() || marked_ == 0) return;
  // Every marked line carries an error, lettered or not, so all of them go; no line stays marked
  // and the mark count of 0 matches the list.
  for (size_t row = 0; row < list_.size(); ++row)
    if (list_.Mark(row) != ' ') list_.SetMark(row, kTagMark);
  const size_t removed = DeleteTagged(list_, counts_);
  for (size_t i = 0; i < removed; ++i) files_.CountChange();
  marked_ = 0;
  view_.ListLinesRemoved();
  view_.RebuildEditMenu();
  view_.RefreshStatus();
}

void ErrorSearchPresenter::RecordCorrected() {
  if (marked_ > 0) --marked_;
  if (marked_ == 0) {
    // The last faulty record was corrected: the search has nothing left to show and ends as
    // its Cancel does, so the menus, the form's first button and the status come back.
    End();
  }
}

void ErrorSearchPresenter::ShowErrorCodes() {
  host_.Message(st::ErrorCodesHelp(language_), caption_ + std::string(st::kErrorCodesTitle(language_)),
                quorla::Buttons::Ok, quorla::Icon::Information);
}

std::optional<size_t> ErrorSearchPresenter::errorMarks() const {
  if (!searching()) return std::nullopt;
  return marked_;
}

std::vector<SearchMenuItem> ErrorSearchPresenter::EditMenu() const {
  return {{kDeleteRecordsWithErrors, Text(st::kDeleteWithErrors), searching() && marked_ > 0}};
}

}  // namespace recbook
