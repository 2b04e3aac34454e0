#include "settings_store.h"

#include "ini_file.h"
#include "platform_paths.h"

namespace quorla {

SettingsStore::SettingsStore() : file_(ConfigDirectory() + "registry.ini") {}

// A file that is there but cannot be read (too large, a directory, a device) is never written
// over: the user's settings in it would be lost.
bool SettingsStore::CreateOrOpenKey(const std::string& key) {
  IniFile ini;
  status_ = IniFile::Load(file_, ini, IniFile::Values::Exact);
  if (status_ != InputStatus::Ok && status_ != InputStatus::Missing) return false;
  if (ini.HasSection(key)) return true;
  ini.AddSection(key);
  return ini.Save(file_);
}

std::optional<std::string> SettingsStore::QueryText(const std::string& key, const std::string& value) const {
  IniFile ini;
  status_ = IniFile::Load(file_, ini, IniFile::Values::Exact);
  return ini.Get(key, value);
}

bool SettingsStore::SetText(const std::string& key, const std::string& value, const std::string& text) {
  IniFile ini;
  status_ = IniFile::Load(file_, ini, IniFile::Values::Exact);
  if (status_ != InputStatus::Ok && status_ != InputStatus::Missing) return false;
  return ini.Set(key, value, text) && ini.Save(file_);
}

}  // namespace quorla
