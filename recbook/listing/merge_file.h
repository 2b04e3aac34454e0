#pragma once
// Appending the tagged records to another Exchange data file, or removing them from it
// (MergeWithOtherFile, the viewer's commands 7 and 8). The result goes to a "#tmp" staging file
// first and replaces the other file in one step, so a failed write leaves it as it was.
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host.h"
#include "owned_files.h"
#include "records/station_record.h"
#include "records/temp_names.h"

namespace recbook {

enum class MergeMode { Append = 7, Remove = 8 };

// Record numbers 1 to n: a file's records in stored order.
std::vector<uint32_t> FileOrder(uint32_t n);

// The merged file's header: the other file's columns 1 to 186 with contents code "M", then the
// number of records written under "000000" and today's date, padded to 219.
std::string MergedHeader(std::string_view otherHeader, uint64_t written, const quorla::LocalTime& today);

class MergeStaging {
 public:
  MergeStaging() = default;
  ~MergeStaging();

  // Locks the other file for the whole job before the caller reads it (its record count); Build
  // takes the lock itself when it was not taken. False when the file exists but cannot be locked.
  bool LockTarget(const std::string& otherFile);
  MergeStaging(const MergeStaging&) = delete;
  MergeStaging& operator=(const MergeStaging&) = delete;

  // Writes the merged file to the staging file: the other file's header, then its records in
  // otherOrder (its record numbers, the viewer's list order) and, for Append, the tagged records
  // after them; for Remove, only the other file's records that equal no tagged record in all 219
  // characters. progress (may be empty) gets the number of records processed. False when the
  // other file cannot be read, an order number is not one of its records, or the staging file
  // cannot be written.
  bool Build(MergeMode mode, const std::string& otherFile, std::span<const uint32_t> otherOrder,
             std::span<const StationRecord> tagged, const quorla::LocalTime& today,
             const std::function<void(uint64_t)>& progress = {});

  uint64_t written() const { return written_; }

  // Replaces the other file by the staging file and releases the lock. May be repeated after a
  // failure (Retry).
  bool Commit();

 private:
  TempFile staging_;
  quorla::FileLock lock_;
  std::string lockedPath_, other_;
  uint64_t written_ = 0;
};

// The message of a failed replace (Retry/Cancel), title caption + " Saving Error".
std::string MergeSaveFailureText();

// True when both paths name the same existing file.
bool IsSameFile(const std::string& a, const std::string& b);

}  // namespace recbook
