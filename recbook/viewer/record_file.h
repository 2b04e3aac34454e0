#pragma once
// Read access to the records of a true Exchange data file that is not the working copy (the file
// viewer's file): record k (0 = header) is bytes 219 x k to 219 x (k + 1) - 1.
#include <cstdint>
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

#include "records/station_record.h"

namespace recbook {

class RecordFile {
 public:
  RecordFile() = default;
  ~RecordFile();
  RecordFile(const RecordFile&) = delete;
  RecordFile& operator=(const RecordFile&) = delete;

  bool Open(const std::string& path);
  void Swap(RecordFile& other) noexcept {
    std::swap(fd_, other.fd_);
    std::swap(records_, other.records_);
  }
  void Close();
  bool IsOpen() const { return fd_ >= 0; }
  // Whole station records after the header.
  uint64_t StationCount() const { return records_ > 0 ? records_ - 1 : 0; }
  bool ReadRecord(uint64_t k, char out[kRecordSize]) const;
  // Records first to first + n - 1 into out; false when one of them is not in the file.
  bool ReadRecords(uint64_t first, size_t n, char* out) const;

 private:
  int fd_ = -1;
  uint64_t records_ = 0;
};

}  // namespace recbook
