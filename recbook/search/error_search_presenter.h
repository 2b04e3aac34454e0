#pragma once
// The error search of the Corrections menu (commands 402 and 403) on the record list: the start
// marks every faulty record's line with its error letter and puts the window in the restricted
// mode (File, Sort and Utilities greyed, the other items of Corrections greyed, the Edit menu
// reduced to "Delete  records with errors"); the same command again cancels it and restores the
// menus. Qt-free: the window is an ErrorSearchView, messages go through the Host.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "bilingual_texts.h"
#include "session/file_commands.h"
#include "host.h"
#include "listing/record_list.h"
#include "listing/tagging.h"
#include "rules/record_check.h"
#include "search/error_search_view.h"

namespace recbook {

struct SearchMenuItem {
  int id;
  std::string text;
  bool enabled;
};

class ErrorSearchPresenter {
 public:
  ErrorSearchPresenter(quorla::Host& host, ErrorSearchView& view, RecordList& list, FileCommands& files,
                       EditCounts& counts, quorla::Language language, std::string caption);

  // 402 or 403: starts the search of that scope when none runs (nothing happens on an empty
  // list), and cancels the running search when it is its own item.
  void OnCommand(int id);
  // Ends a running search as Cancel does (also when the automatic correction rebuilt the list or
  // another file was loaded). Nothing happens when no search runs.
  void End();

  // 207 during a search: deletes every marked line, whatever its letter, as "Delete  taged
  // records" does (each counts one change and one deleted record); the mark count becomes 0.
  void DeleteRecordsWithErrors();

  // A marked record was stored from the record form: its line was rebuilt without a mark and the
  // count of marked records goes down by one; at 0 the search ends as Cancel ends it.
  void RecordCorrected();

  // Help 604: the list of error letters in an information box.
  void ShowErrorCodes();

  ErrorSearchMode mode() const { return mode_; }
  bool searching() const { return mode_ != ErrorSearchMode::None; }
  // The number of marked lines while a search runs (status bar part 2), nullopt otherwise.
  std::optional<size_t> errorMarks() const;
  // The list page's Edit menu while a search runs: the single item 207.
  std::vector<SearchMenuItem> EditMenu() const;

 private:
  void Start(ErrorSearchMode mode, int id);
  void SetRestricted(bool restricted, int id);
  // Writes the error letter of each listed record into its line; returns the first marked row.
  std::optional<size_t> MarkFaultyRecords();
  void ClearMarks();
  std::string Text(const quorla::BiText& t) const { return std::string(t(language_)); }

  quorla::Host& host_;
  ErrorSearchView& view_;
  RecordList& list_;
  FileCommands& files_;
  EditCounts& counts_;
  quorla::Language language_;
  std::string caption_;
  ErrorSearchMode mode_ = ErrorSearchMode::None;
  int runningItem_ = 0;
  size_t marked_ = 0;
};

}  // namespace recbook
