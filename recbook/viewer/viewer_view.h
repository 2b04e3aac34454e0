#pragma once
// What the file viewer's presenter asks of its window.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bilingual_texts.h"
#include "listing/record_list.h"
#include "records/station_record.h"
#include "session/record_pages.h"

namespace recbook {

class ViewerView {
 public:
  virtual ~ViewerView() = default;
  virtual void SetTitle(const std::string& title) = 0;
  virtual void SetFileField(const std::string& text) = 0;
  virtual void SetColumnHeading(const std::string& text) = 0;
  virtual void SetSortLabel(const std::string& text) = 0;
  virtual void SetHeaderInfo(const std::string& text) = 0;
  // The action buttons (Append, Remove, Transfer, Use file) need a loaded file; the help on item
  // codes, sorting and cancel do not.
  virtual void SetActionsEnabled(bool enabled) = 0;
  virtual void ListReset() = 0;
  // The lines change their order only: the window runs reorder, its selection following the lines.
  virtual void ReorderList(const LineReorder& reorder) = 0;
  // The selected row; nullopt when none.
  virtual std::optional<size_t> SelectedRow() const = 0;
  virtual void SelectRow(size_t row) = 0;
  virtual void ShowPage(int page) = 0;
  virtual void ShowRecordItems(const std::vector<PageItem>& items) = 0;
  virtual void ShowHeaderItems(const std::vector<PageItem>& items) = 0;
  virtual void ShowProgress(uint64_t done, uint64_t total) = 0;
  virtual void HideProgress() = 0;
  virtual void CloseWindow() = 0;
  // The help on item codes, read-only over the record (blank when none is selected).
  virtual void ShowItemCodes(const StationRecord& record, quorla::Language language, const std::string& caption) = 0;
};

}  // namespace recbook
