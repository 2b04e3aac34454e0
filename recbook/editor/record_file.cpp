#include "editor/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace recbook {
namespace {

constexpr uint64_t kBlockRecords = 4096;

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

bool RecordFile::ForEachStation(const std::function<bool(uint64_t, std::string_view)>& visit) const {
  if (fd_ < 0) return false;
  std::vector<char> block(kBlockRecords * kRecordSize);
  for (uint64_t k = 1; k < records_;) {
    const uint64_t want = std::min(kBlockRecords, records_ - k);
    if (!ReadAll(fd_, block.data(), static_cast<size_t>(want * kRecordSize), k * kRecordSize)) return false;
    for (uint64_t i = 0; i < want; ++i, ++k)
      if (!visit(k, std::string_view(block.data() + i * kRecordSize, kRecordSize))) return true;
  }
  return true;
}

}  // namespace recbook
