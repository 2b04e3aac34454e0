#include "viewer/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace recbook {
namespace {

bool ReadAll(int fd, char* out, size_t size, uint64_t offset) {
  while (size > 0) {
    const ssize_t n = ::pread(fd, out, size, static_cast<off_t>(offset));
    if (n <= 0) return false;
    out += n;
    size -= static_cast<size_t>(n);
    offset += static_cast<uint64_t>(n);
  }
  return true;
}

}  // namespace

RecordFile::~RecordFile() { Close(); }

bool RecordFile::Open(const std::string& path) {
  Close();
  fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) return false;
  struct stat st {};
  if (::fstat(fd_, &st) != 0) {
    Close();
    return false;
  }
  records_ = static_cast<uint64_t>(st.st_size) / kRecordSize;
  return true;
}

void RecordFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  records_ = 0;
}

bool RecordFile::ReadRecord(uint64_t k, char out[kRecordSize]) const {
  return fd_ >= 0 && k < records_ && ReadAll(fd_, out, kRecordSize, k * kRecordSize);
}

bool RecordFile::ReadRecords(uint64_t first, size_t n, char* out) const {
  return fd_ >= 0 && first <= records_ && n <= records_ - first && ReadAll(fd_, out, n * kRecordSize, first * kRecordSize);
}

}  // namespace recbook
