#pragma once
// The editor's record list: one line per listed station record, in list order. The list is the
// model of the file's contents and order: saving writes exactly the listed records in list order.
//
// Lines are stored once, in view A, in a flat array (151 bytes each, no object per line); the list
// order is an array of slots into it. A line is shown in the view of the current order by moving
// its segments when it is read, so sorting only reorders the slots and never rewrites the lines.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "listing/list_line.h"
#include "listing/list_sort.h"
#include "records/station_record.h"

namespace recbook {

// A change of the lines' order alone (a sort) that moves the given rows with their lines; a window
// runs it so that its selection and caret stay on their lines.
using LineReorder = std::function<void(std::span<size_t> rows)>;

class RecordList {
 public:
  // Empties the list; the order becomes 300 (file order, view A).
  void Clear();
  void Reserve(size_t lines);

  // Appends the line of station record k (tag column blank), as building the list does.
  void Append(const StationRecord& record, uint32_t k);
  // Appends the lines of consecutive station records, texts holding whole 219-byte records and
  // the first being record firstK. A big batch is built on two cores.
  void AppendRecords(std::string_view texts, uint32_t firstK);

  size_t size() const { return rows_.size(); }
  bool empty() const { return rows_.empty(); }
  int order() const { return order_; }
  ListView view() const { return ViewOfOrder(order_); }

  // The line at row as the list shows it (current view): kListLineSize bytes into out.
  void LineAt(size_t row, char* out) const;
  std::string Line(size_t row) const;
  uint32_t RecordNumber(size_t row) const;

  // Character 1 of the line: blank, the tag mark, or an error mark of the error search.
  char Mark(size_t row) const { return Stored(row)[0]; }
  void SetMark(size_t row, char mark);
  bool IsTagged(size_t row) const { return Mark(row) == kTagMark; }
  // Lines whose character 1 is the tag mark.
  size_t TaggedCount() const { return tagged_; }

  // Sorts the lines into an order (300 to 315) and makes it current; the lines then show in its
  // view. Equal keys keep their previous order. Each of the follow rows becomes the row its line
  // has after the sort (a window's selection and caret stay on their lines).
  void Sort(int order, std::span<size_t> follow = {});

  // The row at which a line (current view) belongs in the current order: before the first line
  // whose key is greater than or equal to its key, at the end when there is none.
  size_t FindInsertPosition(std::string_view line) const;

  // Inserts a line given in the current view at row.
  void Insert(size_t row, std::string_view line);
  void Erase(size_t row);
  // Removes every tagged line; returns how many were removed.
  size_t EraseTagged();

  // Places the line of record k after the record was stored from the form: its old line (if any)
  // is removed and the new one inserted at FindInsertPosition. Returns the new row.
  size_t PlaceRecord(const StationRecord& record, uint32_t k);

  // The row showing record k, or size() when no line has it.
  size_t RowOfRecord(uint32_t k) const;

  // The record number of each row, in list order.
  std::vector<uint32_t> RecordNumbers() const;

 private:
  const char* Stored(size_t row) const { return lines_.data() + static_cast<size_t>(rows_[row]) * kListLineSize; }
  char* Stored(size_t row) { return lines_.data() + static_cast<size_t>(rows_[row]) * kListLineSize; }
  uint32_t NewSlot();

  // Growing the line array leaves the new bytes unset (every slot is written whole before it is
  // read), so the pages are first touched by whichever core builds their lines.
  template <class T>
  struct UnsetOnGrow : std::allocator<T> {
    template <class U>
    struct rebind {
      using other = UnsetOnGrow<U>;
    };
    template <class U>
    void construct(U* p) noexcept {
      ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
      ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
  };

  std::vector<char, UnsetOnGrow<char>> lines_;  // view-A lines, 151 bytes per slot
  std::vector<uint32_t> rows_;  // list order: the slot of each row
  std::vector<uint32_t> free_;  // slots of removed lines, reused by Insert
  SortScratch sortScratch_;  // kept between sorts: a million lines need tens of MB
  size_t tagged_ = 0;
  int order_ = 300;
};

}  // namespace recbook
