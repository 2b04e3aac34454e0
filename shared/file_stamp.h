#pragma once
// What tells that a file changed on disk since it was read: the same file (device and inode),
// the same size and the same time of its last change.
#include <cstdint>
#include <optional>
#include <string>

namespace quorla {

struct FileStamp {
  uint64_t device = 0, inode = 0, size = 0;
  int64_t modifiedSec = 0, modifiedNsec = 0;
  bool operator==(const FileStamp&) const = default;
};

// The stamp of the regular file path names (links followed); nullopt when there is none.
std::optional<FileStamp> StampOf(const std::string& path);

}  // namespace quorla
