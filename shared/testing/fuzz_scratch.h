#pragma once
// Scratch files of a fuzz target: a private folder of the process (mode 0700 under a name no one
// can guess, made on first use, removed with its contents at exit), into which each input is
// written as a file without following links.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace quorla::fuzz {

inline const std::string& ScratchDir() {
  // A plain buffer, so that the exit handler does not depend on the order of static destruction.
  static char made[] = "/tmp/quorla_fuzz.XXXXXX";
  static const std::string dir = [] {
    if (!::mkdtemp(made)) std::abort();
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(made, ignored);
    });
    return std::string(made);
  }();
  return dir;
}

// Writes size bytes to ScratchDir()/name and returns the path.
inline std::string WriteInput(const std::string& name, const uint8_t* data, size_t size) {
  const std::string path = ScratchDir() + "/" + name;
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd < 0) std::abort();
  for (size_t done = 0; done < size;) {
    const ssize_t n = ::write(fd, data + done, size - done);
    if (n <= 0) std::abort();
    done += static_cast<size_t>(n);
  }
  ::close(fd);
  return path;
}

}  // namespace quorla::fuzz
