#pragma once
// The working copy of an edited file: a true Exchange data file in the private temporary folder
// that every record and header edit goes to. Record k (0 = header) is bytes 219 x k to
// 219 x (k + 1) - 1. The file stays open while the copy exists; bulk readers use ForEachRecord,
// which reads large blocks.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "records/station_record.h"

namespace recbook {

class WorkingCopy {
 public:
  WorkingCopy() = default;
  ~WorkingCopy();
  WorkingCopy(const WorkingCopy&) = delete;
  WorkingCopy& operator=(const WorkingCopy&) = delete;

  // Copies source over the working copy, choosing a "#wcopy" name first when this copy has none
  // yet, and opens it. False (and no open copy) when the source cannot be read or the copy fails.
  bool MakeFrom(const std::string& source);

  // Exchanges the two copies (a new file is loaded into a fresh copy first, so that a failed load
  // leaves the current one as it was).
  void Swap(WorkingCopy& other) noexcept {
    std::swap(path_, other.path_);
    std::swap(fd_, other.fd_);
  }
  // Closes and deletes the working copy (the window closes).
  void Remove();

  bool IsOpen() const { return fd_ >= 0; }
  const std::string& path() const { return path_; }

  // Whole 219-byte records in the file, header included.
  uint64_t StoredRecords() const;

  // Record k as 219 bytes; false when k is past the end or the read fails.
  bool ReadRecord(uint64_t k, char out[kRecordSize]) const;
  // count records from first on into out (count x 219 bytes); false when any is missing.
  bool ReadRecords(uint64_t first, size_t count, char* out) const;
  // Writes record k (text fixed to 219 bytes with blanks); k may be the next one past the end.
  bool WriteRecord(uint64_t k, std::string_view text);

  // Calls visit(k, record) for records first, first+1, ... up to the end, reading big blocks.
  // Stops early when visit returns false. False when a read fails.
  bool ForEachRecord(uint64_t first,
                     const std::function<bool(uint64_t, std::string_view)>& visit) const;

 private:
  bool Open();
  void Close();

  std::string path_;
  int fd_ = -1;
};

}  // namespace recbook
