#include "listing/record_list.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#include <algorithm>
#include <cstring>
#include <system_error>
#include <thread>

#include "listing/list_sort.h"

namespace recbook {
namespace {

constexpr size_t kNoSlot = SIZE_MAX;  // a followed row that was past the end

// A list of a million lines is 151 MB touched once while it is built; with small pages the page
// faults cost more than building the lines. Large pages for the line array, where the system
// offers them on request.
void AdviseHugePages(const char* data, size_t bytes) {
  const uintptr_t page = static_cast<uintptr_t>(::sysconf(_SC_PAGESIZE));
  const uintptr_t begin = (reinterpret_cast<uintptr_t>(data) + page - 1) & ~(page - 1);
  const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + bytes) & ~(page - 1);
  if (bytes >= (1u << 22) && end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

}  // namespace

void RecordList::Clear() {
  lines_.clear();
  rows_.clear();
  free_.clear();
  sortScratch_ = {};
  tagged_ = 0;
  order_ = 300;
}

void RecordList::Reserve(size_t lines) {
  lines_.reserve(lines * kListLineSize);
  rows_.reserve(lines);
  AdviseHugePages(lines_.data(), lines_.capacity());
}

uint32_t RecordList::NewSlot() {
  if (!free_.empty()) {
    const uint32_t slot = free_.back();
    free_.pop_back();
    return slot;
  }
  const size_t slot = lines_.size() / kListLineSize;
  lines_.resize(lines_.size() + kListLineSize);
  return static_cast<uint32_t>(slot);
}

void RecordList::Append(const StationRecord& record, uint32_t k) {
  const uint32_t slot = NewSlot();
  BuildListLine(record, k, lines_.data() + static_cast<size_t>(slot) * kListLineSize);
  rows_.push_back(slot);
}

void RecordList::AppendRecords(std::string_view texts, uint32_t firstK) {
  const size_t count = texts.size() / kRecordSize;
  const size_t firstSlot = lines_.size() / kListLineSize;
  lines_.resize(lines_.size() + count * kListLineSize);
  char* out = lines_.data() + firstSlot * kListLineSize;
  auto build = [&](size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i)
      BuildListLine(RecordFromText<StationRecord>(texts.substr(i * kRecordSize, kRecordSize)),
                    firstK + static_cast<uint32_t>(i), out + i * kListLineSize);
  };
  // Building a line costs far more than starting a thread once per few thousand lines.
  constexpr size_t kWorthSharing = 1024;
  std::thread helper;
  size_t mine = count;
  // Asked once: the answer comes from a system file.
  static const bool twoCores = std::thread::hardware_concurrency() > 1;
  if (count >= kWorthSharing && twoCores) {
    try {
      helper = std::thread(build, count / 2, count);
      mine = count / 2;
    } catch (const std::system_error&) {  // no thread to be had: all on this one
    }
  }
  build(0, mine);
  if (helper.joinable()) helper.join();
  for (size_t i = 0; i < count; ++i) rows_.push_back(static_cast<uint32_t>(firstSlot + i));
}

void RecordList::LineAt(size_t row, char* out) const { ConvertLineView(Stored(row), ListView::A, out, view()); }

std::string RecordList::Line(size_t row) const {
  std::string line(kListLineSize, ' ');
  LineAt(row, line.data());
  return line;
}

uint32_t RecordList::RecordNumber(size_t row) const {
  const char* digits = Stored(row) + kNumberOffset;
  uint32_t k = 0;
  for (int i = 0; i < 7; ++i) {
    if (digits[i] < '0' || digits[i] > '9') return RecordNumberOf({Stored(row), kListLineSize});
    k = k * 10 + static_cast<uint32_t>(digits[i] - '0');
  }
  return k;
}

void RecordList::SetMark(size_t row, char mark) {
  char& c = Stored(row)[0];
  if (c == kTagMark) --tagged_;
  if (mark == kTagMark) ++tagged_;
  c = mark;
}

void RecordList::Sort(int order, std::span<size_t> follow) {
  for (size_t& row : follow) row = row < size() ? rows_[row] : kNoSlot;
  SortSlots(lines_.data(), rows_, order, sortScratch_);
  order_ = order;
  if (follow.empty()) return;
  std::vector<size_t> rowOfSlot(lines_.size() / kListLineSize, kNoSlot);
  for (size_t row = 0; row < size(); ++row) rowOfSlot[rows_[row]] = row;
  for (size_t& slot : follow) slot = slot == kNoSlot ? size() : rowOfSlot[slot];
}

size_t RecordList::FindInsertPosition(std::string_view line) const {
  if (line.size() < kListLineSize) return size();
  char lineA[kListLineSize];
  ConvertLineView(line.data(), view(), lineA, ListView::A);
  const size_t n = CompactKeySize(order_);
  unsigned char key[kMaxCompactKey], other[kMaxCompactKey];
  CompactKey(lineA, order_, key);
  for (size_t row = 0; row < size(); ++row) {
    CompactKey(Stored(row), order_, other);
    if (std::memcmp(other, key, n) >= 0) return row;
  }
  return size();
}

void RecordList::Insert(size_t row, std::string_view line) {
  const uint32_t slot = NewSlot();
  char* stored = lines_.data() + static_cast<size_t>(slot) * kListLineSize;
  std::memset(stored, ' ', kListLineSize);
  if (line.size() >= kListLineSize) ConvertLineView(line.data(), view(), stored, ListView::A);
  if (stored[0] == kTagMark) ++tagged_;
  rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(std::min(row, size())), slot);
}

void RecordList::Erase(size_t row) {
  if (IsTagged(row)) --tagged_;
  free_.push_back(rows_[row]);
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
}

size_t RecordList::EraseTagged() {
  const size_t before = size();
  auto kept = std::remove_if(rows_.begin(), rows_.end(), [&](uint32_t slot) {
    if (lines_[static_cast<size_t>(slot) * kListLineSize] != kTagMark) return false;
    free_.push_back(slot);
    return true;
  });
  rows_.erase(kept, rows_.end());
  tagged_ = 0;
  return before - size();
}

size_t RecordList::PlaceRecord(const StationRecord& record, uint32_t k) {
  const size_t old = RowOfRecord(k);
  if (old < size()) Erase(old);
  const std::string line = ConvertLineView(BuildListLine(record, k), ListView::A, view());
  const size_t row = FindInsertPosition(line);
  Insert(row, line);
  return row;
}

size_t RecordList::RowOfRecord(uint32_t k) const {
  for (size_t row = 0; row < size(); ++row)
    if (RecordNumber(row) == k) return row;
  return size();
}

std::vector<uint32_t> RecordList::RecordNumbers() const {
  std::vector<uint32_t> numbers(size());
  for (size_t row = 0; row < size(); ++row) numbers[row] = RecordNumber(row);
  return numbers;
}

}  // namespace recbook
