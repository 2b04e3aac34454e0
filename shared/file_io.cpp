#include "file_io.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "input_file.h"
#include "io_faults.h"

namespace quorla {

bool ReadAt(int fd, void* out, size_t size, uint64_t offset) {
  auto* p = static_cast<char*>(out);
  while (size > 0) {
    const ssize_t n = ::pread(fd, p, size, static_cast<off_t>(offset));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    size -= static_cast<size_t>(n);
    offset += static_cast<uint64_t>(n);
  }
  return true;
}

long long ReadUpTo(int fd, void* out, size_t size) {
  auto* p = static_cast<char*>(out);
  size_t got = 0;
  while (got < size) {
    const ssize_t n = ::read(fd, p + got, size - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    got += static_cast<size_t>(n);
  }
  return static_cast<long long>(got);
}

bool WriteAll(int fd, const void* data, size_t size) {
  const auto* p = static_cast<const char*>(data);
  while (size > 0) {
    if (IoFaultNow()) return false;
    const ssize_t n = ::write(fd, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

bool WriteAllAt(int fd, const void* data, size_t size, uint64_t offset) {
  const auto* p = static_cast<const char*>(data);
  while (size > 0) {
    if (IoFaultNow()) return false;
    const ssize_t n = ::pwrite(fd, p, size, static_cast<off_t>(offset));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    size -= static_cast<size_t>(n);
    offset += static_cast<uint64_t>(n);
  }
  return true;
}

long long CopyAll(int in, int out, uint64_t limit) {
  uint64_t done = 0;
  // In the kernel first; files or systems that do not allow it fall back to a buffer.
  while (done < limit) {
    if (IoFaultNow()) return -1;
    const size_t want = static_cast<size_t>(std::min<uint64_t>(limit - done, 1ull << 30));
    const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, want, 0);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      if (done > 0 || (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP &&
                       errno != EBADF))
        return -1;
      break;
    }
    if (n == 0) return static_cast<long long>(done);
    done += static_cast<uint64_t>(n);
  }
  std::vector<char> buffer(1 << 20);
  while (done < limit) {
    const long long n = ReadUpTo(in, buffer.data(), static_cast<size_t>(std::min<uint64_t>(buffer.size(), limit - done)));
    if (n < 0) return -1;
    if (n == 0) break;
    if (!WriteAll(out, buffer.data(), static_cast<size_t>(n))) return -1;
    done += static_cast<uint64_t>(n);
  }
  return static_cast<long long>(done);
}

bool SyncFile(int fd) {
  if (IoFaultNow()) return false;
  return ::fsync(fd) == 0;
}

bool CloseFile(int fd) {
  if (IoFaultNow()) {
    ::close(fd);
    return false;
  }
  return ::close(fd) == 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
  if (IoFaultNow()) return false;
  return ::rename(from.c_str(), to.c_str()) == 0;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, uint64_t limit) {
  const size_t most = static_cast<size_t>(std::min<uint64_t>(limit, SIZE_MAX - 1));
  return ReadInputFile(path, most, bytes) == InputStatus::Ok;
}

}  // namespace quorla
