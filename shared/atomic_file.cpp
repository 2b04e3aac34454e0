#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace quorla {
namespace {

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
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

}  // namespace

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n <= 0) {
      if (n < 0 && errno == EINTR) continue;
      return false;
    }
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

AtomicFileWriter::AtomicFileWriter(std::string target, Durability durability)
    : target_(std::move(target)), durability_(durability) {
  fd_ = OpenStaging(target_, staging_);
}

AtomicFileWriter::~AtomicFileWriter() {
  if (fd_ >= 0) {
    ::close(fd_);
    ::unlink(staging_.c_str());
  }
}

bool AtomicFileWriter::Write(std::string_view bytes) {
  ok_ = ok() && WriteAll(fd_, bytes.data(), bytes.size());
  written_ += bytes.size();
  // Start the disk writes of every full 8 MiB as it is written, so that the flush at the end
  // waits for little more than the last piece.
  constexpr unsigned long long kPiece = 8ull << 20;
  if (ok_ && durability_ == Durability::Flushed && written_ - flushedTo_ >= kPiece) {
    ::sync_file_range(fd_, static_cast<off_t>(flushedTo_), static_cast<off_t>(written_ - flushedTo_),
                      SYNC_FILE_RANGE_WRITE);
    flushedTo_ = written_;
  }
  return ok_;
}

bool AtomicFileWriter::Commit() {
  if (fd_ < 0) return false;
  bool done = ok_ && (durability_ == Durability::Renamed || ::fsync(fd_) == 0);
  done = (::close(fd_) == 0) && done;
  fd_ = -1;
  done = done && ::rename(staging_.c_str(), target_.c_str()) == 0;
  if (!done) {
    ::unlink(staging_.c_str());
    return false;
  }
  const int dir = durability_ == Durability::Flushed ? ::open(DirectoryOf(target_).c_str(), O_RDONLY | O_DIRECTORY) : -1;
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  AtomicFileWriter out(path);
  return out.Write(bytes) && out.Commit();
}

bool ReplaceFileAtomically(const std::string& source, const std::string& target) {
  const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return false;
  AtomicFileWriter out(target);
  std::vector<char> buffer(1 << 20);
  bool ok = out.ok();
  while (ok) {
    const ssize_t n = ::read(in, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    ok = out.Write(std::string_view(buffer.data(), static_cast<size_t>(n)));
  }
  ::close(in);
  return ok && out.Commit();
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
