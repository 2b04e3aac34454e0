#pragma once
// Recognising an Exchange data file from its size and header bytes alone (the records are not
// read), and the conversions between the true file and its CR+LF variant.
#include <cstdint>
#include <string>
#include <string_view>

namespace recbook {

enum class FileKind { True, CrLf, NotExchange, Missing };

struct FileCheck {
  FileKind kind = FileKind::Missing;
  long long records = 0;  // true: whole records after the header; CR+LF: the header count
  int pitch = 219;        // bytes per record: 219, or 220/221 with line endings
  uint64_t size = 0;
};

// A file of 219 bytes is the header alone: an empty register of 0 records. Other files shorter
// than a header and one record are not Exchange data files.
FileCheck CheckExchangeFile(const std::string& path);
// The same for an open file (read with pread; its position is not moved).
FileCheck CheckOpenExchangeFile(int fd);

// The check's result as the editor knows it: "-1" missing, "-2" not an Exchange data file,
// "-3" CR+LF, else the record count with a leading blank.
std::string CheckResultText(const FileCheck& check);

// The true file that opening a CR+LF file makes: every CR, LF and TAB removed. The first form
// writes into out (room for bytes.size(); out may be bytes.data()) and returns the length written.
size_t RemoveLineEndings(std::string_view bytes, char* out);
std::string WithoutLineEndings(std::string_view bytes);

// The CR+LF export of true file bytes: each whole 219-byte record, NUL bytes as blanks, then CR LF.
// The first form appends to out; a trailing partial record is left out.
void AppendCrLfRecords(std::string_view trueBytes, std::string& out);
std::string CrLfExport(std::string_view trueBytes);

}  // namespace recbook
