#include "session/path_parts.h"

#include "platform_paths.h"

namespace recbook {

std::string DirectoryPart(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string BareName(const std::string& path) { return path.substr(DirectoryPart(path).size()); }

std::string InitialDirectory(const std::string& directory) {
  if (directory.empty() || !quorla::DirectoryExists(directory)) return {};
  return directory.size() > 1 && directory.back() == '/' ? directory.substr(0, directory.size() - 1) : directory;
}

}  // namespace recbook
