#include "atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>
#include <utility>
#include <vector>

#include "file_io.h"
#include "owned_files.h"

namespace quorla {
namespace {

constexpr const char* kStagingPrefix = ".quorla-save-";

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Creates and locks a fresh staging file beside target; -1 on failure.
int OpenStaging(const std::string& target, std::string& stagingPath) {
  const std::string dir = DirectoryOf(target);
  ReclaimStaleFiles(dir, kStagingPrefix);
  static thread_local std::mt19937_64 random{std::random_device{}() ^ static_cast<uint64_t>(::getpid())};
  for (int attempt = 0; attempt < 100; ++attempt) {
    char name[32];
    std::snprintf(name, sizeof name, "%s%012llx", kStagingPrefix,
                  static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFull));
    stagingPath = dir + "/" + name;
    const int fd = CreateOwnedFile(stagingPath);
    if (fd >= 0) return fd;
    if (errno != EEXIST) return -1;
  }
  return -1;
}

}  // namespace

std::string FollowLinks(const std::string& path) {
  std::string p = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
    std::vector<char> target(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1);
    const ssize_t n = ::readlink(p.c_str(), target.data(), target.size());
    if (n <= 0 || static_cast<size_t>(n) >= target.size()) return p;
    const std::string next(target.data(), static_cast<size_t>(n));
    p = next[0] == '/' ? next : DirectoryOf(p) + "/" + next;
  }
  return p;
}

AtomicFileWriter::AtomicFileWriter(std::string target, Durability durability)
    : target_(std::move(target)), durability_(durability) {
  if (target_ == "-") {
    std::fflush(stdout);
    fd_ = ::dup(STDOUT_FILENO);
    direct_ = true;
    return;
  }
  target_ = FollowLinks(target_);
  struct stat st {};
  if (::stat(target_.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
    if (!S_ISDIR(st.st_mode)) fd_ = ::open(target_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    direct_ = true;
    return;
  }
  fd_ = OpenStaging(target_, staging_);
  if (fd_ >= 0) lock_ = ::dup(fd_);
  if (fd_ >= 0 && lock_ < 0) Discard();
}

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

void AtomicFileWriter::Discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!staging_.empty()) ::unlink(staging_.c_str());
  staging_.clear();
  if (lock_ >= 0) ::close(lock_);
  lock_ = -1;
}

bool AtomicFileWriter::Write(std::string_view bytes) {
  ok_ = ok() && WriteAll(fd_, bytes.data(), bytes.size());
  written_ += bytes.size();
  // Start the disk writes of every full 8 MiB as it is written, so that the flush at the end
  // waits for little more than the last piece.
  constexpr unsigned long long kPiece = 8ull << 20;
  if (ok_ && !direct_ && durability_ == Durability::Flushed && written_ - flushedTo_ >= kPiece) {
    ::sync_file_range(fd_, static_cast<off_t>(flushedTo_), static_cast<off_t>(written_ - flushedTo_),
                      SYNC_FILE_RANGE_WRITE);
    flushedTo_ = written_;
  }
  return ok_;
}

bool AtomicFileWriter::WriteFrom(int in) {
  ok_ = ok() && CopyAll(in, fd_) >= 0;
  return ok_;
}

bool AtomicFileWriter::Commit() {
  if (fd_ < 0) return false;
  if (direct_) {
    const bool done = CloseFile(fd_) && ok_;
    fd_ = -1;
    return done;
  }
  struct stat st {};
  mode_t mode;
  // Keep the permissions of the file we replace; new files get the usual 0666 less the umask.
  if (::stat(target_.c_str(), &st) == 0) {
    mode = st.st_mode & 07777;
  } else {
    mode = ::umask(0);
    ::umask(mode);
    mode = 0666 & ~mode;
  }
  bool done = ok_ && ::fchmod(fd_, mode) == 0 && (durability_ == Durability::Renamed || SyncFile(fd_));
  done = CloseFile(fd_) && done;
  fd_ = -1;
  // The lock descriptor keeps the staging file marked live until it has its final name.
  done = done && RenameFile(staging_, target_);
  if (!done) {
    Discard();
    return false;
  }
  staging_.clear();
  Discard();
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

bool ReplaceFileAtomically(int in, const std::string& target) {
  AtomicFileWriter out(target);
  return out.WriteFrom(in) && out.Commit();
}

}  // namespace quorla
