#pragma once
// The working copy of an edited file: a true Exchange data file in the private temporary folder
// that every record and header edit goes to. Record k (0 = header) is bytes 219 x k to
// 219 x (k + 1) - 1. The file stays open (and locked as its owner's) while the copy exists; bulk
// readers use ForEachRecord, which reads large blocks. The same record access serves, read-only,
// a file that is not a copy (the file viewer's file).
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "records/station_record.h"
#include "records/temp_names.h"

namespace recbook {

class WorkingCopy {
 public:
  WorkingCopy() = default;
  ~WorkingCopy() { Remove(); }
  WorkingCopy(const WorkingCopy&) = delete;
  WorkingCopy& operator=(const WorkingCopy&) = delete;

  // An empty working copy under a fresh "#wcopy" name (the one it has, when it has one).
  TempStatus Create();
  // Makes the copy hold the first bytes of in (read from its position). False on a failure.
  bool Fill(int in, uint64_t bytes);
  // Create and Fill from the whole records of the file at source.
  bool MakeFrom(const std::string& source);
  // Reads the file at path in place, without a copy; nothing can be written. False when it cannot
  // be opened or is not a regular file.
  bool OpenReadOnly(const std::string& path);

  // Exchanges the two copies (a new file is loaded into a fresh copy first, so that a failed load
  // leaves the current one as it was).
  void Swap(WorkingCopy& other) noexcept {
    file_.Swap(other.file_);
    std::swap(readOnly_, other.readOnly_);
  }
  // Closes the file; a working copy is deleted (the window closes).
  void Remove();

  bool IsOpen() const { return fd() >= 0; }
  const std::string& path() const { return file_.path(); }

  // Whole 219-byte records in the file, header included.
  uint64_t StoredRecords() const;

  // Record k as 219 bytes; false when k is past the end or the read fails.
  bool ReadRecord(uint64_t k, char out[kRecordSize]) const;
  // count records from first on into out (count x 219 bytes); false when any is missing.
  bool ReadRecords(uint64_t first, size_t count, char* out) const;
  // Writes record k (text fixed to 219 bytes with blanks); k may be the next one past the end.
  bool WriteRecord(uint64_t k, std::string_view text);
  // Writes count whole records from first on; first may be the next one past the end.
  bool WriteRecords(uint64_t first, size_t count, const char* bytes);

  // Calls visit(k, record) for records first, first+1, ... up to the end, reading big blocks.
  // Stops early when visit returns false. False when a read fails.
  bool ForEachRecord(uint64_t first,
                     const std::function<bool(uint64_t, std::string_view)>& visit) const;

 private:
  int fd() const { return readOnly_ >= 0 ? readOnly_ : file_.fd(); }

  TempFile file_;
  int readOnly_ = -1;
};

}  // namespace recbook
