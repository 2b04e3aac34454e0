#pragma once
// An Exchange data file record: 219 single-byte characters, no terminator. Record 0 of a file is
// the header, records 1 to n are stations. Items are cut out by position (item_table.h); a record
// is never held in any other form.
#include <cstddef>
#include <cstring>
#include <string_view>

namespace recbook {

inline constexpr size_t kRecordSize = 219;

// Header items that the file handling reads and writes itself (0-based offsets): the record count
// (columns 187 to 192) and the writing date (columns 193 to 200).
inline constexpr size_t kHeaderCountOffset = 186;
inline constexpr size_t kHeaderCountWidth = 6;
inline constexpr size_t kHeaderDateOffset = 192;
inline constexpr size_t kHeaderDateWidth = 8;

struct StationRecord {
  char bytes[kRecordSize];
  std::string_view text() const { return {bytes, kRecordSize}; }
};
static_assert(sizeof(StationRecord) == kRecordSize);

struct HeaderRecord {
  char bytes[kRecordSize];
  std::string_view text() const { return {bytes, kRecordSize}; }
};
static_assert(sizeof(HeaderRecord) == kRecordSize);

// A record from the first 219 bytes of text, padded with blanks when shorter.
template <class Record>
Record RecordFromText(std::string_view text) {
  Record r;
  std::memset(r.bytes, ' ', kRecordSize);
  std::memcpy(r.bytes, text.data(), text.size() < kRecordSize ? text.size() : kRecordSize);
  return r;
}

}  // namespace recbook
