#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace quorla {
namespace {

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// Creates the file beside target that receives the new content; -1 on failure.
int OpenStaging(const std::string& target, std::string& stagingPath) {
  stagingPath = DirectoryOf(target) + "/.quorla-save-XXXXXX";
  std::vector<char> name(stagingPath.begin(), stagingPath.end());
  name.push_back('\0');
  const int fd = ::mkstemp(name.data());
  if (fd < 0) return -1;
  stagingPath = name.data();
  struct stat st {};
  // Keep the permissions of the file we replace; new files get the usual 0644 less the umask.
  if (::stat(target.c_str(), &st) == 0) {
    ::fchmod(fd, st.st_mode & 07777);
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
  }
  return fd;
}

bool Finish(int fd, bool ok, const std::string& stagingPath, const std::string& target) {
  ok = ok && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  ok = ok && ::rename(stagingPath.c_str(), target.c_str()) == 0;
  if (!ok) {
    ::unlink(stagingPath.c_str());
    return false;
  }
  const int dir = ::open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  std::string staging;
  const int fd = OpenStaging(path, staging);
  if (fd < 0) return false;
  return Finish(fd, WriteAll(fd, bytes.data(), bytes.size()), staging, path);
}

bool ReplaceFileAtomically(const std::string& source, const std::string& target) {
  const int in = ::open(source.c_str(), O_RDONLY);
  if (in < 0) return false;
  std::string staging;
  const int fd = OpenStaging(target, staging);
  if (fd < 0) {
    ::close(in);
    return false;
  }
  std::vector<char> buffer(1 << 20);
  bool ok = true;
  for (;;) {
    const ssize_t n = ::read(in, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    if (!WriteAll(fd, buffer.data(), static_cast<size_t>(n))) {
      ok = false;
      break;
    }
  }
  ::close(in);
  return Finish(fd, ok, staging, target);
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  const int fd = ::open(path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && st.st_size > 0) bytes.reserve(static_cast<size_t>(st.st_size));
  std::vector<char> buffer(1 << 20);
  for (;;) {
    const ssize_t n = ::read(fd, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      return false;
    }
    if (n == 0) break;
    bytes.append(buffer.data(), static_cast<size_t>(n));
  }
  ::close(fd);
  return true;
}

}  // namespace quorla
