#include "input_kinds.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

namespace quorla {
namespace {

// Seconds after which a reader that waits on the FIFO or spins on the device ends the test.
constexpr unsigned kHangSeconds = 30;

void MakeFile(const std::string& path, unsigned long long size, mode_t mode) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  ASSERT_GE(fd, 0) << path;
  ASSERT_EQ(::ftruncate(fd, static_cast<off_t>(size)), 0) << path;
  ::close(fd);
}

}  // namespace

InputKindFiles::InputKindFiles(unsigned long long maxBytes, const std::string& extension) {
  std::string pattern = (std::filesystem::temp_directory_path() / "quorla-inputs.XXXXXX").string();
  if (!::mkdtemp(pattern.data())) std::abort();
  dir_ = pattern + "/";
  const auto at = [&](const char* name) { return dir_ + name + extension; };
  cases_.push_back({"missing", at("missing"), InputStatus::Missing});
  ::mkdir(at("directory").c_str(), 0700);
  cases_.push_back({"directory", at("directory"), InputStatus::Directory});
  ::mkfifo(at("fifo").c_str(), 0600);
  cases_.push_back({"fifo", at("fifo"), InputStatus::NotRegular});
  cases_.push_back({"device", "/dev/zero", InputStatus::NotRegular});
  ::symlink("/dev/zero", at("link-to-device").c_str());
  cases_.push_back({"link to a device", at("link-to-device"), InputStatus::NotRegular});
  if (::geteuid() != 0) {
    MakeFile(at("unreadable"), 10, 0000);
    cases_.push_back({"unreadable", at("unreadable"), InputStatus::Unreadable});
  }
  MakeFile(at("oversize"), maxBytes + 1, 0600);
  cases_.push_back({"oversize", at("oversize"), InputStatus::TooLarge});
  MakeFile(at("empty"), 0, 0600);
  cases_.push_back({"empty", at("empty"), InputStatus::Ok});
  ::alarm(kHangSeconds);
}

InputKindFiles::~InputKindFiles() {
  ::alarm(0);
  std::error_code ignored;
  std::filesystem::remove_all(dir_, ignored);
}

}  // namespace quorla
