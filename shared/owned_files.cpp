#include "owned_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace quorla {
namespace {

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Whether fd is still the file at path (no one removed or replaced the name meanwhile).
bool StillAt(int fd, const std::string& path) {
  struct stat byFd {}, byName {};
  return ::fstat(fd, &byFd) == 0 && ::lstat(path.c_str(), &byName) == 0 && SameFile(byFd, byName);
}

}  // namespace

int CreateOwnedFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) return -1;
  // Between the creation and the lock another process may take the new file for a stale one and
  // remove it; then the name is given up as one in use (EEXIST), and the caller tries another.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !StillAt(fd, path)) {
    ::close(fd);
    errno = EEXIST;
    return -1;
  }
  return fd;
}

bool ReclaimIfStale(const std::string& path) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0) return errno == ENOENT;
  // A link in place of one of our names was never made by us: it goes, its target stays.
  if (S_ISLNK(st.st_mode)) return ::unlink(path.c_str()) == 0;
  if (!S_ISREG(st.st_mode)) return false;
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  bool freed = false;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && StillAt(fd, path)) freed = ::unlink(path.c_str()) == 0;
  ::close(fd);
  return freed;
}

void ReclaimStaleFiles(const std::string& folder, const std::string& prefix) {
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return;
  const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  while (const dirent* e = ::readdir(dir)) {
    const std::string name = e->d_name;
    if (name.compare(0, prefix.size(), prefix) == 0) ReclaimIfStale(base + name);
  }
  ::closedir(dir);
}

bool FileLock::Acquire(const std::string& path) {
  Release();
  for (;;) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
      ::close(fd);
      return true;  // devices and the like are written straight through: nothing to keep whole
    }
    int r;
    while ((r = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    struct stat now {};
    if (r == 0 && ::stat(path.c_str(), &now) == 0 && SameFile(st, now)) {
      fd_ = fd;
      return true;
    }
    ::close(fd);
    if (r != 0) return false;
  }
}

void FileLock::Release() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

}  // namespace quorla
