#include "input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <istream>
#include <utility>

#include "file_io.h"

namespace quorla {

BiText InputStatusText(InputStatus status) {
  switch (status) {
    case InputStatus::Ok: return {};
    case InputStatus::Missing: return {"no such file", "soubor neexistuje"};
    case InputStatus::Unreadable: return {"no permission to read the file", "soubor nelze číst: chybí oprávnění"};
    case InputStatus::Directory: return {"is a directory, not a file", "je to adresář, ne soubor"};
    case InputStatus::NotRegular:
      return {"is a device or a pipe, not a file", "je to zařízení nebo roura, ne soubor"};
    case InputStatus::TooLarge:
      return {"the file is larger than its kind of file can be", "soubor je větší, než soubor svého druhu může být"};
    case InputStatus::ReadFailed: return {"the file could not be read", "soubor nelze přečíst"};
  }
  return {};
}

InputFile::~InputFile() { Close(); }

InputFile::InputFile(InputFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(std::exchange(other.size_, 0)) {}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
  if (this != &other) {
    Close();
    fd_ = std::exchange(other.fd_, -1);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

void InputFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  size_ = 0;
}

InputStatus InputFile::Open(const std::string& path, unsigned long long maxBytes) {
  Close();
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG || path.empty()) return InputStatus::Missing;
    if (errno == ENXIO || errno == ENODEV) return InputStatus::NotRegular;
    return InputStatus::Unreadable;
  }
  struct stat st {};
  InputStatus status = InputStatus::Ok;
  if (::fstat(fd, &st) != 0) status = InputStatus::ReadFailed;
  else if (S_ISDIR(st.st_mode)) status = InputStatus::Directory;
  else if (!S_ISREG(st.st_mode)) status = InputStatus::NotRegular;
  else if (static_cast<unsigned long long>(st.st_size) > maxBytes) status = InputStatus::TooLarge;
  if (status != InputStatus::Ok) {
    ::close(fd);
    return status;
  }
  // A regular file never blocks; clearing the flag keeps later reads ordinary.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  fd_ = fd;
  size_ = static_cast<unsigned long long>(st.st_size);
  return InputStatus::Ok;
}

InputStatus ReadInputFile(const std::string& path, size_t maxBytes, std::string& bytes) {
  bytes.clear();
  InputFile file;
  if (const InputStatus status = file.Open(path, maxBytes); status != InputStatus::Ok) return status;
  // One byte more than allowed tells a file that has grown since it was opened.
  bytes.resize(static_cast<size_t>(file.size()) < maxBytes ? static_cast<size_t>(file.size()) + 1 : maxBytes + 1);
  size_t done = 0;
  for (;;) {
    if (done == bytes.size()) {
      if (done > maxBytes) break;
      bytes.resize(std::min(maxBytes + 1, 2 * bytes.size() + 1));
    }
    const long long n = ReadUpTo(file.fd(), bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      bytes.clear();
      return InputStatus::ReadFailed;
    }
    done += static_cast<size_t>(n);
    if (done < bytes.size()) break;  // the end of the file
  }
  if (done > maxBytes) {
    bytes.clear();
    return InputStatus::TooLarge;
  }
  bytes.resize(done);
  return InputStatus::Ok;
}

LineStatus ReadBoundedLine(std::istream& in, std::string& line, size_t maxLength) {
  using Traits = std::istream::traits_type;
  line.clear();
  std::streambuf* buffer = in.rdbuf();
  if (buffer == nullptr) return LineStatus::End;
  for (;;) {
    const Traits::int_type ch = buffer->sbumpc();
    if (Traits::eq_int_type(ch, Traits::eof())) {
      in.setstate(std::ios::eofbit);
      return line.empty() ? LineStatus::End : LineStatus::Line;
    }
    const char c = Traits::to_char_type(ch);
    if (c == '\n') break;
    if (line.size() == maxLength) return LineStatus::TooLong;
    line.push_back(c);
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return LineStatus::Line;
}

}  // namespace quorla
