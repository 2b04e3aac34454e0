#pragma once
// Read access to the records of a true Exchange data file that is not the working copy (the file
// viewer's file): record k (0 = header) is bytes 219 x k to 219 x (k + 1) - 1.
#include <cstdint>
#include <functional>
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
  // visit(k, record) for the station records 1 to StationCount(), read in big blocks; stops when
  // visit returns false. False when a read fails.
  bool ForEachStation(const std::function<bool(uint64_t, std::string_view)>& visit) const;

 private:
  int fd_ = -1;
  uint64_t records_ = 0;
};

}  // namespace recbook
