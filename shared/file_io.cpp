#include "file_io.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <vector>

#include "input_file.h"
#include "io_faults.h"

namespace quorla {

namespace {

// Calls step(done) for the bytes from done on until all size bytes are through: again after an
// interruption, on after a short count. step returns what read or write returned. The bytes
// through, or -1 on an error; fewer than size when step returns 0 (the end of a file).
template <class Step>
long long Through(size_t size, Step step) {
  size_t done = 0;
  while (done < size) {
    const ssize_t n = step(done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return static_cast<long long>(done);
}

// Writes go through the test seam before each system call.
template <class Write>
bool WriteThrough(size_t size, Write write) {
  return Through(size, [&](size_t done) -> ssize_t {
           if (IoFaultNow()) return -1;
           const ssize_t n = write(done);
           if (n == 0) errno = ENOSPC;  // a write that takes nothing is a failure, not an end
           return n == 0 ? -1 : n;
         }) == static_cast<long long>(size);
}

}  // namespace

bool ReadAt(int fd, void* out, size_t size, uint64_t offset) {
  auto* p = static_cast<char*>(out);
  const auto step = [&](size_t done) { return ::pread(fd, p + done, size - done, static_cast<off_t>(offset + done)); };
  return Through(size, step) == static_cast<long long>(size);
}

long long ReadUpTo(int fd, void* out, size_t size) {
  auto* p = static_cast<char*>(out);
  return Through(size, [&](size_t done) { return ::read(fd, p + done, size - done); });
}

bool WriteAll(int fd, const void* data, size_t size) {
  const auto* p = static_cast<const char*>(data);
  return WriteThrough(size, [&](size_t done) { return ::write(fd, p + done, size - done); });
}

bool WriteAllAt(int fd, const void* data, size_t size, uint64_t offset) {
  const auto* p = static_cast<const char*>(data);
  return WriteThrough(size, [&](size_t done) {
    return ::pwrite(fd, p + done, size - done, static_cast<off_t>(offset + done));
  });
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
