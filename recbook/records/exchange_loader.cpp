#include "records/exchange_loader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "file_io.h"

namespace recbook {

namespace {
constexpr size_t kBlock = kRecordSize * 2048;  // blocks that stay in the cache between reading and use
}

ExchangeReader::~ExchangeReader() {
  if (fd_ >= 0) ::close(fd_);
}

LoadStatus ExchangeReader::OpenFile(const std::string& path) {
  if (fd_ >= 0) ::close(fd_);
  check_ = FileCheck{};
  // Without blocking: a FIFO is refused below instead of waiting for a writer.
  fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) return errno == ENOENT || errno == ENOTDIR ? LoadStatus::Missing : LoadStatus::Unreadable;
  struct stat st {};
  if (::fstat(fd_, &st) != 0) return LoadStatus::Unreadable;
  if (!S_ISREG(st.st_mode)) return LoadStatus::NotRegularFile;
  return LoadStatus::Ok;
}

LoadStatus ExchangeReader::Open(const std::string& path) {
  if (const LoadStatus s = OpenFile(path); s != LoadStatus::Ok) return s;
  check_ = CheckOpenExchangeFile(fd_);
  if (check_.kind == FileKind::NotExchange) {
    // A header that cannot be read is a read failure, not a verdict on the content.
    char probe;
    if (check_.size > 0 && ::pread(fd_, &probe, 1, 0) < 0) return LoadStatus::Unreadable;
    return LoadStatus::NotExchange;
  }
  return check_.kind == FileKind::Missing ? LoadStatus::Unreadable : LoadStatus::Ok;
}

LoadStatus ExchangeReader::OpenTrue(const std::string& path) {
  if (const LoadStatus s = OpenFile(path); s != LoadStatus::Ok) return s;
  struct stat st {};
  ::fstat(fd_, &st);
  check_.kind = FileKind::True;
  check_.size = static_cast<uint64_t>(st.st_size);
  check_.records = static_cast<long long>(check_.size / kRecordSize) - 1;
  return check_.records >= 0 ? LoadStatus::Ok : LoadStatus::NotExchange;
}

bool ExchangeReader::ReadHeader(char out[kRecordSize]) const {
  return fd_ >= 0 && quorla::ReadAt(fd_, out, kRecordSize, 0);
}

LoadStatus ExchangeReader::ReadPieces(const std::function<bool(std::string_view)>& take) {
  if (fd_ < 0 || (check_.kind != FileKind::True && check_.kind != FileKind::CrLf)) return LoadStatus::NotExchange;
  if (::lseek(fd_, 0, SEEK_SET) != 0) return LoadStatus::Unreadable;
  const bool strip = check_.kind == FileKind::CrLf;
  // A true file is read up to its last whole record; a CR+LF file to its end, which its check
  // found at (count + 1) x pitch.
  const uint64_t want = strip ? check_.size : TrueSize();
  std::vector<char> buffer(kBlock);
  uint64_t read = 0, trueBytes = 0;
  while (read < want) {
    const long long n = quorla::ReadUpTo(fd_, buffer.data(), static_cast<size_t>(std::min<uint64_t>(kBlock, want - read)));
    if (n < 0) return LoadStatus::Unreadable;
    if (n == 0) return LoadStatus::ChangedWhileRead;
    read += static_cast<uint64_t>(n);
    std::string_view piece(buffer.data(), static_cast<size_t>(n));
    if (strip) piece = std::string_view(buffer.data(), RemoveLineEndings(piece, buffer.data()));
    trueBytes += piece.size();
    if (!take(piece)) return LoadStatus::Ok;
  }
  char more;
  if (strip && quorla::ReadUpTo(fd_, &more, 1) != 0) return LoadStatus::ChangedWhileRead;
  // The records without their line endings must make the header and the promised count.
  if (strip && trueBytes != TrueSize()) return LoadStatus::NotExchange;
  return LoadStatus::Ok;
}

LoadStatus ExchangeReader::ReadAll(std::string& bytes) {
  bytes.clear();
  bytes.reserve(static_cast<size_t>(TrueSize()));
  const LoadStatus s = ReadPieces([&](std::string_view piece) {
    bytes.append(piece);
    return true;
  });
  if (s != LoadStatus::Ok) bytes.clear();
  return s;
}

LoadStatus ExchangeReader::Verify() {
  if (check_.kind != FileKind::CrLf) return check_.kind == FileKind::True ? LoadStatus::Ok : LoadStatus::NotExchange;
  return ReadPieces([](std::string_view) { return true; });
}

LoadStatus ExchangeReader::ReadInto(WorkingCopy& copy) {
  if (const TempStatus t = copy.Create(); t != TempStatus::Ok) return LoadStatusOf(t);
  LoadStatus s;
  if (check_.kind == FileKind::True) {
    if (::lseek(fd_, 0, SEEK_SET) != 0) return LoadStatus::Unreadable;
    s = copy.Fill(fd_, TrueSize()) ? LoadStatus::Ok : LoadStatus::CopyFailed;
    // Tell a source that shrank from a full temporary folder.
    if (s != LoadStatus::Ok && CheckOpenExchangeFile(fd_).size < TrueSize()) s = LoadStatus::ChangedWhileRead;
  } else {
    uint64_t k = 0;
    std::string whole;  // pieces cut at any byte: records are written whole
    bool written = true;
    s = ReadPieces([&](std::string_view piece) {
      whole.append(piece);
      const size_t records = whole.size() / kRecordSize;
      written = copy.WriteRecords(k, records, whole.data());
      k += records;
      whole.erase(0, records * kRecordSize);
      return written;
    });
    if (s == LoadStatus::Ok && !written) s = LoadStatus::CopyFailed;
  }
  if (s != LoadStatus::Ok) copy.Remove();
  return s;
}

LoadStatus LoadExchangeFile(const std::string& path, std::string& trueBytes) {
  ExchangeReader reader;
  const LoadStatus s = reader.Open(path);
  return s == LoadStatus::Ok ? reader.ReadAll(trueBytes) : s;
}

LoadStatus LoadStatusOf(TempStatus status) {
  switch (status) {
    case TempStatus::Ok: return LoadStatus::Ok;
    case TempStatus::FolderNotPrivate: return LoadStatus::TempFolderNotPrivate;
    case TempStatus::FolderUnusable: return LoadStatus::TempFolderUnusable;
    case TempStatus::NoFreeName: return LoadStatus::NoFreeTempName;
  }
  return LoadStatus::TempFolderUnusable;
}

std::string LoadMessage(LoadStatus status, std::string_view path, quorla::Language language) {
  const bool en = language == quorla::Language::English;
  const std::string p(path);
  switch (status) {
    case LoadStatus::Ok: return {};
    case LoadStatus::Missing: return en ? "File  doesn't  exist  !!  " : "Soubor  neexistuje  !!  ";
    case LoadStatus::NotExchange:
      return en ? "File  " + p + "  \r\nisn't  Exchange data file  (''true'' or with CR,LF) !!  "
                : "Soubor  " + p + "  \r\nnení  ''Exchange data'' soubor  (''true'' nebo s CR,LF) !!  ";
    case LoadStatus::Unreadable:
      return en ? "File  " + p + "  \r\ncan't  be  read  (no permission or a read error)  !!  "
                : "Soubor  " + p + "  \r\nnelze  číst  (chybí oprávnění nebo chyba čtení)  !!  ";
    case LoadStatus::NotRegularFile:
      return en ? "File  " + p + "  \r\nisn't  a  file  (a folder or a device)  !!  "
                : "Soubor  " + p + "  \r\nnení  soubor  (složka nebo zařízení)  !!  ";
    case LoadStatus::ChangedWhileRead:
      return en ? "File  " + p + "  \r\nwas  changed  while  it  was  read  !!  "
                : "Soubor  " + p + "  \r\nse  změnil  během  čtení  !!  ";
    case LoadStatus::TempFolderNotPrivate:
      return en ? "Temporary folder  isn't  private  (owner, permissions or a link)  !!  "
                : "Dočasná složka  není  soukromá  (vlastník, oprávnění nebo odkaz)  !!  ";
    case LoadStatus::TempFolderUnusable:
      return en ? "Temporary folder  can't  be  used  !!  " : "Dočasnou složku  nelze  použít  !!  ";
    case LoadStatus::NoFreeTempName:
      return en ? "No  free  name  for  a  temporary  file  (all  in  use)  !!  "
                : "Žádné  volné  jméno  pro  dočasný  soubor  (všechna  obsazena)  !!  ";
    case LoadStatus::CopyFailed:
      return en ? "Working copy  can't  be  written  (temporary folder full ?)  !!  "
                : "Pracovní kopii  nelze  zapsat  (dočasná složka plná ?)  !!  ";
  }
  return {};
}

}  // namespace recbook
