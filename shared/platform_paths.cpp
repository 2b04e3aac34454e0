#include "platform_paths.h"

#include <dlfcn.h>
#include <link.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>

namespace quorla {
namespace {

std::string WithSlash(std::string dir) {
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

// mkdir -p with the given mode for the folders it creates.
bool MakeDirectories(const std::string& dir, mode_t mode) {
  std::string partial;
  for (size_t i = 0; i < dir.size(); ++i) {
    partial += dir[i];
    if ((dir[i] == '/' && i > 0) || i + 1 == dir.size()) {
      if (::mkdir(partial.c_str(), mode) != 0 && errno != EEXIST) return false;
    }
  }
  return DirectoryExists(dir);
}

std::string EnvOr(const char* name, const std::string& fallback) {
  const char* v = std::getenv(name);
  return (v && *v) ? std::string(v) : fallback;
}

std::string HomeDirectory() {
  if (const char* h = std::getenv("HOME"); h && *h) return h;
  if (const passwd* pw = ::getpwuid(::getuid())) return pw->pw_dir;
  return "/tmp";
}

bool BlockDeviceRemovable(dev_t dev) {
  // A partition has no "removable" of its own; its disk is the parent folder in sysfs.
  const std::string base = "/sys/dev/block/" + std::to_string(major(dev)) + ":" + std::to_string(minor(dev));
  for (const std::string& f : {base + "/removable", base + "/../removable"}) {
    std::ifstream in(f);
    char c = '0';
    if (in >> c) return c == '1';
  }
  return false;
}

// The folder of the program or library this code is linked into: the library's own file for a
// shared library, /proc/self/exe for the program (whose link map entry has no name).
std::string OwnModuleFolder() {
  Dl_info info{};
  link_map* map = nullptr;
  if (::dladdr1(reinterpret_cast<void*>(&OwnModuleFolder), &info, reinterpret_cast<void**>(&map),
                RTLD_DL_LINKMAP) == 0)
    return {};
  char path[PATH_MAX];
  if (map && map->l_name && *map->l_name) {
    if (!::realpath(map->l_name, path)) return {};
  } else {
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return {};
    path[n] = '\0';
  }
  std::string folder(path);
  return folder.substr(0, folder.find_last_of('/') + 1);
}

}  // namespace

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string ConfigDirectory() {
  std::string dir = EnvOr("QUORLA_CONFIG_HOME", "");
  if (dir.empty()) dir = EnvOr("XDG_CONFIG_HOME", HomeDirectory() + "/.config") + "/Quorla";
  dir = WithSlash(dir);
  MakeDirectories(dir, 0700);
  return dir;
}

TempFolderStatus PrivateTempFolder(std::string& folder) {
  folder = WithSlash(EnvOr("TMPDIR", "/tmp")) + "quorla-" + std::to_string(::getuid()) + "/";
  const std::string dir = folder.substr(0, folder.size() - 1);
  if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) return TempFolderStatus::CannotCreate;
  struct stat st {};
  // lstat: a link planted by someone else is refused like a foreign folder.
  if (::lstat(dir.c_str(), &st) != 0) return TempFolderStatus::CannotCreate;
  if (!S_ISDIR(st.st_mode) || st.st_uid != ::getuid() || (st.st_mode & 077) != 0) return TempFolderStatus::NotPrivate;
  return TempFolderStatus::Ok;
}

std::string PrivateTempDirectory() {
  std::string folder;
  return PrivateTempFolder(folder) == TempFolderStatus::Ok ? folder : std::string();
}

std::string DataDirectory() {
  if (const char* v = std::getenv("QUORLA_DATA_DIR"); v && *v) return WithSlash(v);
  // An installed copy (bin/ or lib/ beside share/) finds its data wherever the prefix was moved.
  if (const std::string module = OwnModuleFolder(); !module.empty()) {
    char installed[PATH_MAX];
    if (::realpath((module + "../share/quorla").c_str(), installed) && DirectoryExists(installed))
      return WithSlash(installed);
  }
#ifdef QUORLA_BUILD_DATA_DIR
  if (DirectoryExists(QUORLA_BUILD_DATA_DIR)) return WithSlash(QUORLA_BUILD_DATA_DIR);
#endif
#ifdef QUORLA_INSTALL_DATA_DIR
  return WithSlash(QUORLA_INSTALL_DATA_DIR);
#else
  return "/usr/local/share/quorla/";
#endif
}

DriveKind KindOfDrive(const std::string& path) {
  std::string p = path.empty() ? "." : path;
  struct stat st {};
  // A file not yet written: ask its folder.
  while (::stat(p.c_str(), &st) != 0) {
    const auto slash = p.find_last_of('/');
    if (slash == std::string::npos) p = ".";
    else if (slash == 0) p = "/";
    else p = p.substr(0, slash);
    if (p == "/" || p == ".") {
      if (::stat(p.c_str(), &st) != 0) return DriveKind::Fixed;
      break;
    }
  }
  struct statfs fs {};
  if (::statfs(p.c_str(), &fs) == 0) {
    constexpr long kIso9660 = 0x9660, kUdf = 0x15013346;
    if (fs.f_type == kIso9660 || fs.f_type == kUdf) return DriveKind::CdRom;
  }
  return BlockDeviceRemovable(st.st_dev) ? DriveKind::Removable : DriveKind::Fixed;
}

}  // namespace quorla
