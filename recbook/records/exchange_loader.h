#pragma once
// The one way into an Exchange data file: the editor's Open and every command that reads such a
// file go through it, so they accept and refuse the same files with the same message.
//
// The file is opened once and recognised and read through that one descriptor, so a file that is
// renamed or removed between the check and the read is still read whole. A CR+LF file gives its
// bytes without CR, LF and TAB, and is refused unless they make the header and the count of
// records its header promises. A true file gives its whole records; a trailing part shorter than
// a record is left out, as the recognition rule says.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "bilingual_texts.h"
#include "records/exchange_file.h"
#include "records/temp_names.h"
#include "records/working_copy.h"

namespace recbook {

enum class LoadStatus {
  Ok,
  Missing,           // no such file
  Unreadable,        // it exists but cannot be opened or read (permissions, I/O error)
  NotRegularFile,    // a directory, device, FIFO or socket
  NotExchange,       // not an Exchange data file, true or CR+LF
  ChangedWhileRead,  // the file shrank or grew while it was read
  TempFolderNotPrivate,
  TempFolderUnusable,
  NoFreeTempName,
  CopyFailed,  // the working copy could not be written (a full temporary folder)
};

class ExchangeReader {
 public:
  ExchangeReader() = default;
  ~ExchangeReader();
  ExchangeReader(const ExchangeReader&) = delete;
  ExchangeReader& operator=(const ExchangeReader&) = delete;

  // Opens path and recognises it.
  LoadStatus Open(const std::string& path);
  // Opens a file known to be a true file (a working copy): its whole records, header unchecked.
  LoadStatus OpenTrue(const std::string& path);
  const FileCheck& check() const { return check_; }
  // The header, read from the opened file.
  bool ReadHeader(char out[kRecordSize]) const;

  // The true bytes from the start, in pieces, to take; stops early (with Ok) when take returns
  // false.
  LoadStatus ReadPieces(const std::function<bool(std::string_view)>& take);
  LoadStatus ReadAll(std::string& bytes);
  // Whether reading would succeed, without keeping the bytes: a CR+LF file is read through, a true
  // file needs no more than its check.
  LoadStatus Verify();
  // Into a fresh working copy (a true file is copied in the kernel).
  LoadStatus ReadInto(WorkingCopy& copy);

 private:
  LoadStatus OpenFile(const std::string& path);
  uint64_t TrueSize() const { return static_cast<uint64_t>(check_.records + 1) * kRecordSize; }

  int fd_ = -1;
  FileCheck check_;
};

// path -> Open and ReadAll.
LoadStatus LoadExchangeFile(const std::string& path, std::string& trueBytes);

LoadStatus LoadStatusOf(TempStatus status);

// The message of each status: the editor's own texts for a missing file and for one that is no
// Exchange data file, and a text of its own for every other cause. "\r\n" is a line break.
std::string LoadMessage(LoadStatus status, std::string_view path, quorla::Language language);

}  // namespace recbook
