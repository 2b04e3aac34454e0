#include "records/working_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "records/file_copy.h"
#include "records/temp_names.h"

namespace recbook {

namespace {
constexpr size_t kBlockRecords = 4096;  // about 900 kB per read
}

WorkingCopy::~WorkingCopy() { Close(); }

bool WorkingCopy::MakeFrom(const std::string& source) {
  Close();
  if (path_.empty()) path_ = ChooseTempName(TempKind::WorkingCopy);
  if (path_.empty()) return false;
  if (!CopyFileContents(source, path_)) return false;
  return Open();
}

void WorkingCopy::Remove() {
  Close();
  if (!path_.empty()) ::unlink(path_.c_str());
  path_.clear();
}

bool WorkingCopy::Open() {
  fd_ = ::open(path_.c_str(), O_RDWR | O_CLOEXEC);
  return fd_ >= 0;
}

void WorkingCopy::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

uint64_t WorkingCopy::StoredRecords() const {
  struct stat st;
  if (fd_ < 0 || ::fstat(fd_, &st) != 0) return 0;
  return static_cast<uint64_t>(st.st_size) / kRecordSize;
}

bool WorkingCopy::ReadRecord(uint64_t k, char out[kRecordSize]) const { return ReadRecords(k, 1, out); }

bool WorkingCopy::ReadRecords(uint64_t first, size_t count, char* out) const {
  if (fd_ < 0) return false;
  const size_t bytes = count * kRecordSize;
  const off_t at = static_cast<off_t>(first * kRecordSize);
  for (size_t got = 0; got < bytes;) {
    const ssize_t n = ::pread(fd_, out + got, bytes - got, at + static_cast<off_t>(got));
    if (n <= 0) return false;
    got += static_cast<size_t>(n);
  }
  return true;
}

bool WorkingCopy::WriteRecord(uint64_t k, std::string_view text) {
  if (fd_ < 0 || k > StoredRecords()) return false;
  const StationRecord r = RecordFromText<StationRecord>(text);
  size_t put = 0;
  const off_t at = static_cast<off_t>(k * kRecordSize);
  while (put < kRecordSize) {
    const ssize_t n = ::pwrite(fd_, r.bytes + put, kRecordSize - put, at + static_cast<off_t>(put));
    if (n <= 0) return false;
    put += static_cast<size_t>(n);
  }
  return true;
}

bool WorkingCopy::ForEachRecord(uint64_t first,
                                const std::function<bool(uint64_t, std::string_view)>& visit) const {
  if (fd_ < 0) return false;
  const uint64_t total = StoredRecords();
  std::vector<char> block(kBlockRecords * kRecordSize);
  for (uint64_t k = first; k < total;) {
    const uint64_t want = std::min<uint64_t>(kBlockRecords, total - k);
    if (!ReadRecords(k, static_cast<size_t>(want), block.data())) return false;
    for (uint64_t i = 0; i < want; ++i, ++k)
      if (!visit(k, std::string_view(block.data() + i * kRecordSize, kRecordSize))) return true;
  }
  return true;
}

}  // namespace recbook
