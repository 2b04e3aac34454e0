#include "windows/map_images.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "platform_paths.h"

namespace terrainmap {

std::string MapImages::Save(const std::function<bool(const std::string& path)>& write) {
  const std::string folder = quorla::PrivateTempDirectory();
  if (folder.empty()) return {};
  for (int n = 0; n <= 999; ++n) {
    char name[16];
    std::snprintf(name, sizeof name, "#mp%03d.bmp", n);
    const std::string path = folder + name;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) continue;  // taken (by another window or process) or refused
    ::close(fd);
    if (!write(path)) {
      std::remove(path.c_str());
      return {};
    }
    paths_.push_back(path);
    if (paths_.size() > kKept) {
      std::remove(paths_.front().c_str());
      paths_.erase(paths_.begin());
    }
    return path;
  }
  return {};
}

void MapImages::DeleteAll() {
  for (const std::string& p : paths_) std::remove(p.c_str());
  paths_.clear();
}

}  // namespace terrainmap
