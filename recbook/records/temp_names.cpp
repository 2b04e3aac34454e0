#include "records/temp_names.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

#include "owned_files.h"
#include "platform_paths.h"

namespace recbook {

namespace {

struct KindNames {
  const char* prefix;
  int last;
};

KindNames NamesOf(TempKind kind) { return kind == TempKind::WorkingCopy ? KindNames{"#wcopy", 98} : KindNames{"#tmp", 99}; }

std::string NameWithNumber(const std::string& folder, const char* prefix, int n) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%02d", n);
  return folder + prefix + digits + ".tmp";
}

// What processes that ended left of every kind of name (the "#scopy" files of earlier versions
// included).
void ReclaimStale(const std::string& folder) {
  for (const char* prefix : {"#wcopy", "#tmp", "#scopy"})
    for (int n = 1; n <= 99; ++n) quorla::ReclaimIfStale(NameWithNumber(folder, prefix, n));
}

}  // namespace

TempStatus TempFile::Create(const std::string& folder, TempKind kind) {
  Remove();
  ReclaimStale(folder);
  const KindNames names = NamesOf(kind);
  for (int n = 1; n <= names.last; ++n) {
    std::string path = NameWithNumber(folder, names.prefix, n);
    const int fd = quorla::CreateOwnedFile(path);
    if (fd >= 0) {
      fd_ = fd;
      path_ = std::move(path);
      return TempStatus::Ok;
    }
    if (errno != EEXIST) return TempStatus::FolderUnusable;
  }
  return TempStatus::NoFreeName;
}

TempStatus CheckTempFolder() {
  std::string folder;
  switch (quorla::PrivateTempFolder(folder)) {
    case quorla::TempFolderStatus::Ok: return TempStatus::Ok;
    case quorla::TempFolderStatus::NotPrivate: return TempStatus::FolderNotPrivate;
    case quorla::TempFolderStatus::CannotCreate: break;
  }
  return TempStatus::FolderUnusable;
}

TempStatus TempFile::Create(TempKind kind) {
  const TempStatus folder = CheckTempFolder();
  return folder == TempStatus::Ok ? Create(quorla::PrivateTempDirectory(), kind) : folder;
}

void TempFile::Swap(TempFile& other) noexcept {
  std::swap(path_, other.path_);
  std::swap(fd_, other.fd_);
}

void TempFile::Remove() {
  // Unlinked while still locked, so nobody takes the name for a stale one in between.
  if (!path_.empty()) ::unlink(path_.c_str());
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  path_.clear();
}

}  // namespace recbook
