#pragma once
// Replacing a file so that a crash or a full disk never leaves it half written: the new content
// goes to a file beside the target, is flushed to disk, and is renamed over the target.
//
// A target that is a symbolic link is followed: the file it names is replaced and the link stays.
// A target that is a device, a FIFO or "-" (standard output) is written straight through, since
// replacing it would put a regular file in its place. Staging files beside a target are
// ".quorla-save-" names, locked while their writer lives; each new writer in that folder removes
// those left by writers that ended.
#include <cstddef>
#include <string>
#include <string_view>

#include "file_io.h"

namespace quorla {

// A new content of target written piece by piece beside it; Commit flushes it and renames it over
// target. Until then target is untouched; without a successful Commit the staging file is removed.
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
  // Appends everything from in's position to its end.
  bool WriteFrom(int in);
  bool Commit();

 private:
  void Discard();

  std::string target_, staging_;
  int fd_ = -1;
  int lock_ = -1;        // a second descriptor of the staging file that holds its lock until the rename
  bool direct_ = false;  // written straight into the target
  bool ok_ = true;
  Durability durability_;
  unsigned long long written_ = 0, flushedTo_ = 0;
};

// Writes bytes as the whole new content of path. False (target untouched) on any failure.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// Copies everything from in's position to its end over target in the same way.
bool ReplaceFileAtomically(int in, const std::string& target);

// The file a path names once every symbolic link in its last part is followed (links to links
// too, at most 40); the path itself when it is no link.
std::string FollowLinks(const std::string& path);

}  // namespace quorla
