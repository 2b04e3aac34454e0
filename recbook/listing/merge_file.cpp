#include "listing/merge_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <unordered_set>

#include "atomic_file.h"
#include "records/record_builder.h"
#include "records/record_text.h"
#include "records/temp_names.h"

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
    if (size_ < 2 * kRecordSize) return;
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
  std::string head = FixWidth(otherHeader, 186);
  head[82] = 'M';
  head += HeaderCountItem(written);
  head += DateItem(today);
  return FixWidth(head, kRecordSize);
}

MergeStaging::~MergeStaging() { Discard(); }

void MergeStaging::Discard() {
  if (!staging_.empty()) std::remove(staging_.c_str());
  staging_.clear();
}

bool MergeStaging::Build(MergeMode mode, const std::string& otherFile, std::span<const uint32_t> otherOrder,
                         std::span<const StationRecord> tagged, const quorla::LocalTime& today,
                         const std::function<void(uint64_t)>& progress) {
  Discard();
  written_ = 0;
  other_ = otherFile;
  const MappedFile other(otherFile);
  if (!other.ok()) return false;
  for (uint32_t k : otherOrder)
    if (k < 1 || k > other.stations()) return false;

  staging_ = ChooseTempName(TempKind::Staging);
  if (staging_.empty()) return false;
  FILE* f = std::fopen(staging_.c_str(), "wb");
  if (!f) {
    staging_.clear();
    return false;
  }
  std::vector<char> buffer(1 << 20);
  std::setvbuf(f, buffer.data(), _IOFBF, buffer.size());
  bool ok = std::fwrite(other.record(0), 1, kRecordSize, f) == kRecordSize;
  uint64_t processed = 0;
  auto advance = [&] {
    ++processed;
    if (progress && processed % 4096 == 0) progress(processed);
  };

  std::unordered_set<std::string_view, RecordHash> removed;
  if (mode == MergeMode::Remove)
    for (const StationRecord& r : tagged) removed.insert(r.text());
  for (size_t i = 0; ok && i < otherOrder.size(); ++i) {
    const char* r = other.record(otherOrder[i]);
    if (mode == MergeMode::Append || removed.count({r, kRecordSize}) == 0) {
      ok = std::fwrite(r, 1, kRecordSize, f) == kRecordSize;
      ++written_;
    }
    advance();
  }
  if (mode == MergeMode::Append) {
    for (size_t i = 0; ok && i < tagged.size(); ++i) {
      ok = std::fwrite(tagged[i].bytes, 1, kRecordSize, f) == kRecordSize;
      ++written_;
      advance();
    }
  }
  const std::string header = MergedHeader({other.record(0), kRecordSize}, written_, today);
  ok = ok && std::fseek(f, 0, SEEK_SET) == 0 && std::fwrite(header.data(), 1, kRecordSize, f) == kRecordSize;
  ok = std::fclose(f) == 0 && ok;
  if (progress) progress(processed);
  if (!ok) Discard();
  return ok;
}

bool MergeStaging::Commit() {
  if (staging_.empty()) return false;
  if (!quorla::ReplaceFileAtomically(staging_, other_)) return false;
  Discard();
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
