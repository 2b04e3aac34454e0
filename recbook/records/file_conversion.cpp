#include "records/file_conversion.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "records/station_record.h"

namespace recbook {

namespace {

constexpr size_t kBlock = kRecordSize * 2048;  // blocks that stay in the cache between reading, converting and writing

class Reader {
 public:
  explicit Reader(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
  ~Reader() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool ok() const { return fd_ >= 0; }
  // The next piece of at most size bytes; empty at the end. False on a read error.
  bool Next(std::vector<char>& buffer, std::string_view& piece) {
    for (;;) {
      const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) return false;
      piece = std::string_view(buffer.data(), static_cast<size_t>(n));
      return true;
    }
  }

 private:
  int fd_;
};

}  // namespace

ConversionResult ConvertExchangeFile(const std::string& source, const FileCheck& check, FileKind to,
                                     const std::string& target, quorla::AtomicFileWriter::Durability durability,
                                     const std::function<void(uint64_t)>& progress) {
  Reader in(source);
  if (!in.ok()) return ConversionResult::ReadFailed;
  quorla::AtomicFileWriter out(target, durability);
  if (!out.ok()) return ConversionResult::WriteFailed;
  const bool strip = check.kind == FileKind::CrLf;
  std::vector<char> buffer(kBlock);
  // True-file bytes of the current block behind those a CR+LF output could not take yet (it takes
  // whole records only), and the converted output; both reused from block to block.
  std::string pending, converted;
  pending.reserve(kBlock + kRecordSize);
  converted.reserve(kBlock / kRecordSize * (kRecordSize + 2) + kRecordSize + 2);
  uint64_t trueBytes = 0;
  for (;;) {
    std::string_view piece;
    if (!in.Next(buffer, piece)) return ConversionResult::ReadFailed;
    if (piece.empty()) break;
    if (strip) piece = std::string_view(buffer.data(), RemoveLineEndings(piece, buffer.data()));
    trueBytes += piece.size();
    if (to == FileKind::CrLf) {
      pending.append(piece);
      const size_t whole = pending.size() / kRecordSize * kRecordSize;
      converted.clear();
      AppendCrLfRecords(std::string_view(pending).substr(0, whole), converted);
      if (!out.Write(converted)) return ConversionResult::WriteFailed;
      pending.erase(0, whole);
    } else if (!out.Write(piece)) {
      return ConversionResult::WriteFailed;
    }
    if (progress) progress(trueBytes / kRecordSize);
  }
  // Opening a CR+LF file accepts it only when its records make a true file of the promised count.
  if (strip && (trueBytes < 222 || trueBytes % kRecordSize != 0 ||
                static_cast<long long>(trueBytes / kRecordSize) - 1 != check.records))
    return ConversionResult::NotExchange;
  return out.Commit() ? ConversionResult::Ok : ConversionResult::WriteFailed;
}

}  // namespace recbook
