#include "listing/merge_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <unordered_set>

#include "atomic_file.h"
#include "records/record_builder.h"
#include "records/record_text.h"

namespace recbook {
namespace {

// The other file mapped read-only: record k at bytes 219 x k.
class MappedFile {
 public:
  explicit MappedFile(const std::string& path) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st;
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) return;
    size_ = static_cast<size_t>(st.st_size);
    if (size_ < kRecordSize) return;  // the header alone is an empty register
    void* p = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE, fd_, 0);
    if (p != MAP_FAILED) data_ = static_cast<const char*>(p);
  }
  ~MappedFile() {
    if (data_) ::munmap(const_cast<char*>(data_), size_);
    if (fd_ >= 0) ::close(fd_);
  }
  bool ok() const { return data_ != nullptr; }
  uint64_t stations() const { return size_ / kRecordSize - 1; }
  const char* record(uint64_t k) const { return data_ + k * kRecordSize; }

 private:
  int fd_ = -1;
  size_t size_ = 0;
  const char* data_ = nullptr;
};

// 219-byte records compared and hashed by all their characters.
struct RecordHash {
  size_t operator()(std::string_view r) const { return std::hash<std::string_view>()(r); }
};

}  // namespace

std::vector<uint32_t> FileOrder(uint32_t n) {
  std::vector<uint32_t> order(n);
  for (uint32_t k = 0; k < n; ++k) order[k] = k + 1;
  return order;
}

std::string MergedHeader(std::string_view otherHeader, uint64_t written, const quorla::LocalTime& today) {
  std::string head = FixWidth(otherHeader, kHeaderCountOffset);
  head[82] = 'M';
  head += HeaderCountItem(written);
  head += DateItem(today);
  return FixWidth(head, kRecordSize);
}

MergeStaging::~MergeStaging() = default;

bool MergeStaging::LockTarget(const std::string& otherFile) {
  lockedPath_ = otherFile;
  return lock_.Acquire(otherFile);
}

bool MergeStaging::Build(MergeMode mode, const std::string& otherFile, std::span<const uint32_t> otherOrder,
                         std::span<const StationRecord> tagged, const quorla::LocalTime& today,
                         const std::function<void(uint64_t)>& progress) {
  staging_.Remove();
  written_ = 0;
  other_ = otherFile;
  // The other file stays locked from this read to the replace, so that another writer's append
  // or remove waits for this one instead of being lost in it.
  if (lockedPath_ != otherFile && !LockTarget(otherFile)) return false;
  const MappedFile other(otherFile);
  if (!other.ok()) return false;
  for (uint32_t k : otherOrder)
    if (k < 1 || k > other.stations()) return false;
  if (staging_.Create(TempKind::Staging) != TempStatus::Ok) return false;

  std::string out;
  out.reserve(1 << 20);
  bool ok = true;
  const auto put = [&](const char* record) {
    out.append(record, kRecordSize);
    ++written_;
    if (out.size() >= (1 << 20) - kRecordSize) {
      ok = quorla::WriteAll(staging_.fd(), out.data(), out.size());
      out.clear();
    }
  };
  uint64_t processed = 0;
  auto advance = [&] {
    ++processed;
    if (progress && processed % 4096 == 0) progress(processed);
  };
  out.append(other.record(0), kRecordSize);  // the header, rewritten below with the count

  std::unordered_set<std::string_view, RecordHash> removed;
  if (mode == MergeMode::Remove)
    for (const StationRecord& r : tagged) removed.insert(r.text());
  for (size_t i = 0; ok && i < otherOrder.size(); ++i) {
    const char* r = other.record(otherOrder[i]);
    if (mode == MergeMode::Append || removed.count({r, kRecordSize}) == 0) put(r);
    advance();
  }
  if (mode == MergeMode::Append) {
    for (size_t i = 0; ok && i < tagged.size(); ++i) {
      put(tagged[i].bytes);
      advance();
    }
  }
  const std::string header = MergedHeader({other.record(0), kRecordSize}, written_, today);
  ok = ok && quorla::WriteAll(staging_.fd(), out.data(), out.size()) &&
       quorla::WriteAllAt(staging_.fd(), header.data(), kRecordSize, 0);
  if (progress) progress(processed);
  if (!ok) staging_.Remove();
  return ok;
}

bool MergeStaging::Commit() {
  if (!staging_.IsOpen()) return false;
  if (::lseek(staging_.fd(), 0, SEEK_SET) != 0 || !quorla::ReplaceFileAtomically(staging_.fd(), other_)) return false;
  staging_.Remove();
  lock_.Release();
  lockedPath_.clear();
  return true;
}

std::string MergeSaveFailureText() {
  return "File wasn't save  !!\n\n"
         "If you want to save on diskette, or on removable\n"
         "disc,  then check  if writting mode  is enabled.\n"
         "If writting is enabled  then there  is insufficient  \n"
         "disc space:\n"
         "1./ Save file in Hard disc\n"
         "2./ Repete Append/Remove operation";
}

bool IsSameFile(const std::string& a, const std::string& b) {
  struct stat sa, sb;
  if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace recbook
