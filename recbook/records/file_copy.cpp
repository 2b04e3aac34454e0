#include "records/file_copy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace recbook {

namespace {
bool CopyByReading(int in, int out) {
  std::vector<char> buffer(1 << 20);
  for (;;) {
    const ssize_t n = ::read(in, buffer.data(), buffer.size());
    if (n < 0) return false;
    if (n == 0) return true;
    for (ssize_t put = 0; put < n;) {
      const ssize_t w = ::write(out, buffer.data() + put, static_cast<size_t>(n - put));
      if (w <= 0) return false;
      put += w;
    }
  }
}

bool CopyInKernel(int in, int out, off_t size, bool& unsupported) {
  off_t done = 0;
  while (done < size) {
    const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, static_cast<size_t>(size - done), 0);
    if (n < 0) {
      unsupported = done == 0;
      return false;
    }
    if (n == 0) break;  // the source shrank: copy what is there
    done += n;
  }
  return true;
}
}  // namespace

bool CopyFileContents(const std::string& source, const std::string& target) {
  const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return false;
  struct stat st;
  if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(in);
    return false;
  }
  const int out = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (out < 0) {
    ::close(in);
    return false;
  }
  bool unsupported = false;
  bool ok = CopyInKernel(in, out, st.st_size, unsupported);
  if (!ok && unsupported) ok = ::lseek(out, 0, SEEK_SET) == 0 && ::ftruncate(out, 0) == 0 && CopyByReading(in, out);
  ok = ::close(out) == 0 && ok;
  ::close(in);
  if (!ok) ::unlink(target.c_str());
  return ok;
}

}  // namespace recbook
