#include "records/working_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "file_io.h"

namespace recbook {

namespace {
constexpr size_t kBlockRecords = 4096;  // about 900 kB per read
}

TempStatus WorkingCopy::Create() {
  if (readOnly_ >= 0) Remove();
  if (file_.IsOpen()) return ::ftruncate(file_.fd(), 0) == 0 ? TempStatus::Ok : TempStatus::FolderUnusable;
  return file_.Create(TempKind::WorkingCopy);
}

bool WorkingCopy::Fill(int in, uint64_t bytes) {
  if (!file_.IsOpen() || ::ftruncate(file_.fd(), 0) != 0 || ::lseek(file_.fd(), 0, SEEK_SET) != 0) return false;
  return quorla::CopyAll(in, file_.fd(), bytes) == static_cast<long long>(bytes);
}

bool WorkingCopy::MakeFrom(const std::string& source) {
  const int in = ::open(source.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat st {};
  const bool ok = in >= 0 && ::fstat(in, &st) == 0 && S_ISREG(st.st_mode) && Create() == TempStatus::Ok &&
                  Fill(in, static_cast<uint64_t>(st.st_size) / kRecordSize * kRecordSize);
  if (in >= 0) ::close(in);
  if (!ok) Remove();
  return ok;
}

bool WorkingCopy::OpenReadOnly(const std::string& path) {
  Remove();
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  struct stat st {};
  if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    readOnly_ = fd;
    return true;
  }
  if (fd >= 0) ::close(fd);
  return false;
}

void WorkingCopy::Remove() {
  if (readOnly_ >= 0) ::close(readOnly_);
  readOnly_ = -1;
  file_.Remove();
}

uint64_t WorkingCopy::StoredRecords() const {
  struct stat st {};
  if (fd() < 0 || ::fstat(fd(), &st) != 0) return 0;
  return static_cast<uint64_t>(st.st_size) / kRecordSize;
}

bool WorkingCopy::ReadRecord(uint64_t k, char out[kRecordSize]) const { return ReadRecords(k, 1, out); }

bool WorkingCopy::ReadRecords(uint64_t first, size_t count, char* out) const {
  return fd() >= 0 && quorla::ReadAt(fd(), out, count * kRecordSize, first * kRecordSize);
}

bool WorkingCopy::WriteRecord(uint64_t k, std::string_view text) {
  const StationRecord r = RecordFromText<StationRecord>(text);
  return WriteRecords(k, 1, r.bytes);
}

bool WorkingCopy::WriteRecords(uint64_t first, size_t count, const char* bytes) {
  if (!file_.IsOpen() || readOnly_ >= 0 || first > StoredRecords()) return false;
  return quorla::WriteAllAt(file_.fd(), bytes, count * kRecordSize, first * kRecordSize);
}

bool WorkingCopy::ForEachRecord(uint64_t first,
                                const std::function<bool(uint64_t, std::string_view)>& visit) const {
  if (fd() < 0) return false;
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
