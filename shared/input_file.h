#pragma once
// Opening a file that comes from outside (pattern files, terrain tiles, overlay files, world map
// files, settings) for reading. Only a regular file is read: the path is opened without blocking,
// so that a FIFO cannot hang the reader, and checked after opening, so that what is checked is
// what is read. A reader also names the most its format can hold; a larger file is refused before
// anything is read, and a file that grows while it is read is cut off there and refused.
#include <cstddef>
#include <iosfwd>
#include <sstream>
#include <string>
#include <utility>

#include "bilingual_texts.h"

namespace quorla {

// Why a file cannot be read; each cause has its own message.
enum class InputStatus { Ok, Missing, Unreadable, Directory, NotRegular, TooLarge, ReadFailed };

// "no such file", "is a directory", ... (English and Czech).
BiText InputStatusText(InputStatus status);

// An open regular file, closed when the object goes.
class InputFile {
 public:
  InputFile() = default;
  ~InputFile();
  InputFile(InputFile&& other) noexcept;
  InputFile& operator=(InputFile&& other) noexcept;
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // Opens path when it is a regular file of at most maxBytes.
  InputStatus Open(const std::string& path, unsigned long long maxBytes);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  unsigned long long size() const { return size_; }  // when it was opened

 private:
  int fd_ = -1;
  unsigned long long size_ = 0;
};

// Reads the whole of path, a regular file of at most maxBytes, into bytes (empty on failure).
InputStatus ReadInputFile(const std::string& path, size_t maxBytes, std::string& bytes);

// Reads path as ReadInputFile does and, when it could be read, hands its bytes to parse(std::istream&).
template <class Parse>
InputStatus ParseInputFile(const std::string& path, size_t maxBytes, Parse&& parse) {
  std::string bytes;
  const InputStatus status = ReadInputFile(path, maxBytes, bytes);
  if (status != InputStatus::Ok) return status;
  std::istringstream in(std::move(bytes));
  parse(static_cast<std::istream&>(in));
  return status;
}

// One line of a text stream (standard input) without its end (LF, or CR LF). Lines longer than
// maxLength are not read to their end: the reader stops there, so that an endless line (from
// /dev/zero, say) costs neither memory nor time.
enum class LineStatus { Line, End, TooLong };
LineStatus ReadBoundedLine(std::istream& in, std::string& line, size_t maxLength);

}  // namespace quorla
