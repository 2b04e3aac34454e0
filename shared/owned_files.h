#pragma once
// Files that a process creates and owns for a while (staging files, temporary files): created
// exclusively and privately, and locked for as long as the owner keeps them, so that another
// process tells a live file (locked) from one left behind by a process that ended (unlocked).
#include <string>

namespace quorla {

// Creates path with O_CREAT | O_EXCL | O_NOFOLLOW, mode 0600, read-write, and holds an exclusive
// advisory lock on it. -1 when the name exists or was taken meanwhile (errno EEXIST: try another),
// or the file cannot be made.
int CreateOwnedFile(const std::string& path);

// Removes path when it is a regular file or a link that no live process holds locked. True when
// the name is free afterwards.
bool ReclaimIfStale(const std::string& path);

// Removes every entry of folder whose name starts with prefix and that no live process holds.
void ReclaimStaleFiles(const std::string& folder, const std::string& prefix);

// An exclusive advisory lock on a user's file for a whole read-modify-write. Replacing the file
// by rename does not end the lock's meaning: a waiter that wakes on a file no longer at the path
// takes the lock again on the file that is there now.
class FileLock {
 public:
  FileLock() = default;
  ~FileLock() { Release(); }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Waits for the lock on the regular file at path; true when there is no such file (nothing to
  // lock) or the lock is held. False when the file exists but cannot be opened.
  bool Acquire(const std::string& path);
  void Release();

 private:
  int fd_ = -1;
};

}  // namespace quorla
