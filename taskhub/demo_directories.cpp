#include "demo_directories.h"

#include <sys/stat.h>

#include "launcher.h"

namespace taskhub {
namespace {

bool IsDirectory(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The value is not there and the file could be read (or is not there yet): a file that cannot
// be read may hold the user's values.
bool Unset(const quorla::SettingsStore& settings, const char* key, const char* value) {
  const bool missing = !settings.QueryText(key, value).has_value();
  const quorla::InputStatus status = settings.LastReadStatus();
  return missing && (status == quorla::InputStatus::Ok || status == quorla::InputStatus::Missing);
}

}  // namespace

bool UseDemoDirectoriesOnFirstStart(quorla::SettingsStore& settings, const std::string& dataDir) {
  if (dataDir.empty()) return false;
  const std::string terrain = dataDir + (dataDir.back() == '/' ? "" : "/") + "demo/topo";
  const std::string border = terrain + "/#border";
  if (!IsDirectory(terrain) || !IsDirectory(border)) return false;
  if (!Unset(settings, quorla::kMirandexKey, kSettingsValue) ||
      !Unset(settings, quorla::kQuorlaKey, quorla::kTerrainDirValue) ||
      !Unset(settings, quorla::kQuorlaKey, quorla::kBorderDirValue))
    return false;
  return settings.CreateOrOpenKey(quorla::kQuorlaKey) &&
         settings.SetText(quorla::kQuorlaKey, quorla::kTerrainDirValue, terrain) &&
         settings.SetText(quorla::kQuorlaKey, quorla::kBorderDirValue, border);
}

}  // namespace taskhub
