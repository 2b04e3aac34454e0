#include "records/temp_names.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "platform_paths.h"

namespace recbook {

namespace {
std::string NameWithNumber(const std::string& folder, const char* prefix, int n) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%02d", n);
  return folder + prefix + digits + ".tmp";
}
}  // namespace

std::string ChooseTempName(const std::string& folder, TempKind kind) {
  const char* prefix = kind == TempKind::WorkingCopy ? "#wcopy" : kind == TempKind::Stripped ? "#scopy" : "#tmp";
  const int last = kind == TempKind::WorkingCopy ? 98 : 99;
  const int fallback = kind == TempKind::WorkingCopy ? 1 : 99;
  for (int n = 1; n <= last; ++n) {
    std::string path = NameWithNumber(folder, prefix, n);
    // Creating the name reserves it: a second window or program choosing at the same moment
    // takes the next number instead of writing into the same file.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
      ::close(fd);
      return path;
    }
    if (errno != EEXIST) break;
  }
  return NameWithNumber(folder, prefix, fallback);
}

std::string ChooseTempName(TempKind kind) {
  const std::string folder = quorla::PrivateTempDirectory();
  if (folder.empty()) return {};
  return ChooseTempName(folder, kind);
}

}  // namespace recbook
