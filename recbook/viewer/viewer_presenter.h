#pragma once
// The file viewer (EXCHVIEW): another Exchange data file listed read-only, with its record and
// header pages (the editor's record and header forms, shown by their own presenters and never
// stored) and its own sort. Modes 1 and 2 append the editor's tagged records to that file or
// remove them from it; modes 11 and 12 hand one record's station data to a calculation program;
// mode 99 hands over the file's path. Qt-free.
#include <optional>
#include <string>
#include <vector>

#include "forms/header_form_presenter.h"
#include "forms/record_form_presenter.h"
#include "viewer/viewer_setup.h"
#include "viewer/viewer_view.h"
#include "file_stamp.h"
#include "host.h"
#include "records/working_copy.h"
#include "listing/record_list.h"

namespace recbook {

// Viewer commands: the action buttons and the two the viewer always has.
enum ViewerCommand : int {
  kViewerAppend = 7,
  kViewerRemove = 8,
  kViewerCancel = 9,
  kViewerSorting = 10,
  kViewerTransferTx = 11,
  kViewerTransferRx = 12,
  kViewerItemCodes = 13,
  kViewerUseFile = 99,
};

struct ViewerButton {
  int command;
  std::string text;
};

class ViewerPresenter {
 public:
  // transfer: the caller's 102-byte station data area (modes 11 and 12), may be null otherwise.
  ViewerPresenter(quorla::Host& host, ViewerView& view, ViewerSetup setup, void* transfer = nullptr);

  std::string Title() const;
  // The action buttons of the mode, then "&Item codes", "&Sorting" and "&Cancel".
  std::vector<ViewerButton> Buttons() const;
  void Start();

  // The open-file image button.
  void OnOpen();
  void OnSort(int order);
  void OnCommand(int command);
  void OnPageRequest(int page);

  // What EXCHVIEW returns: "1" or "2" after a transfer, the path for "&Use  file", else empty.
  const std::string& result() const { return result_; }
  const RecordList& list() const { return list_; }
  // The viewer's line of a row: a single blank in place of the tag column.
  std::string LineAt(size_t row) const;
  const std::string& lastDirectory() const { return setup_.lastDirectory; }
  const std::string& file() const { return file_; }
  RecordFormPresenter& recordForm() { return recordForm_; }
  const HeaderFormPresenter& headerForm() const { return headerForm_; }

 private:
  bool Load(const std::string& path);
  void Merge(int command);
  void Transfer(int command);
  void ShowSelectedRecord();
  // The selected row's record, blank when none is selected or it cannot be read.
  StationRecord SelectedRecord();
  std::string Title(std::string_view suffix) const;

  quorla::Host& host_;
  ViewerView& view_;
  ViewerSetup setup_;
  void* transfer_;
  WorkingCopy records_;  // opened read-only
  std::optional<quorla::FileStamp> loadedStamp_;  // the file as listed
  RecordList list_;
  RecordFormPresenter recordForm_;
  HeaderFormPresenter headerForm_;
  std::string file_;
  std::string result_;
};

}  // namespace recbook
