#pragma once
// Replacing a file so that a crash or a full disk never leaves it half written: the new content
// goes to a file beside the target, is flushed to disk, and is renamed over the target.
#include <cstddef>
#include <string>
#include <string_view>

namespace quorla {

// A new content of target written piece by piece beside it; Commit flushes it and renames it over
// target. Until then target is untouched; without a successful Commit the piece file is removed.
class AtomicFileWriter {
 public:
  // Flushed: the content is on the disk before the rename (the user's own files). Renamed: the
  // rename alone, for outputs made again from their source at will (a conversion), where waiting
  // for the disk would cost more than the work itself; a crash still leaves old or new, never half.
  enum class Durability { Flushed, Renamed };
  explicit AtomicFileWriter(std::string target, Durability durability = Durability::Flushed);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  bool ok() const { return fd_ >= 0 && ok_; }
  bool Write(std::string_view bytes);
  bool Commit();

 private:
  std::string target_, staging_;
  int fd_ = -1;
  bool ok_ = true;
  Durability durability_;
  unsigned long long written_ = 0, flushedTo_ = 0;
};

// Writes bytes as the whole new content of path. False (target untouched) on any failure.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Copies source over target in the same way. False (target untouched) on any failure.
bool ReplaceFileAtomically(const std::string& source, const std::string& target);

// Writes all size bytes to fd, again after interruptions; false on any failure.
bool WriteAll(int fd, const char* data, size_t size);

// Reads a whole file; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace quorla
