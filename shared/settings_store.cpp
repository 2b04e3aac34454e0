#include "settings_store.h"

#include "ini_file.h"
#include "platform_paths.h"

namespace quorla {

SettingsStore::SettingsStore() : file_(ConfigDirectory() + "registry.ini") {}

bool SettingsStore::CreateOrOpenKey(const std::string& key) {
  IniFile ini = IniFile::Load(file_, IniFile::Values::Exact);
  if (ini.HasSection(key)) return true;
  ini.AddSection(key);
  return ini.Save(file_);
}

std::optional<std::string> SettingsStore::QueryText(const std::string& key, const std::string& value) const {
  return IniFile::Load(file_, IniFile::Values::Exact).Get(key, value);
}

bool SettingsStore::SetText(const std::string& key, const std::string& value, const std::string& text) {
  IniFile ini = IniFile::Load(file_, IniFile::Values::Exact);
  return ini.Set(key, value, text) && ini.Save(file_);
}

}  // namespace quorla
