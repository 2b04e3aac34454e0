#pragma once
// The per-user settings that stand in for the registry key Software\Quorla and its subkey
// MIRANDEX: one file "registry.ini" in the configuration folder, one section per key, text values.
// The file is read on each query (another window may have written it) and written atomically.
#include <optional>
#include <string>

#include "input_file.h"

namespace quorla {

inline constexpr const char* kQuorlaKey = "Software\\Quorla";
inline constexpr const char* kMirandexKey = "Software\\Quorla\\MIRANDEX";
// The map viewer's terrain and border directories under kQuorlaKey.
inline constexpr const char* kTerrainDirValue = "DtmHcm";
inline constexpr const char* kBorderDirValue = "Border";

class SettingsStore {
 public:
  SettingsStore();                                  // the user's file in ConfigDirectory()
  explicit SettingsStore(std::string file) : file_(std::move(file)) {}

  // Create-or-open: the key exists afterwards (false when the file cannot be written).
  bool CreateOrOpenKey(const std::string& key);
  // The text of a value; nullopt when the key or value is missing or the file unreadable.
  // Writes fail when the file is there but cannot be read.
  std::optional<std::string> QueryText(const std::string& key, const std::string& value) const;
  bool SetText(const std::string& key, const std::string& value, const std::string& text);

  const std::string& file() const { return file_; }
  // How the file read at the last call: Missing for a store not yet written, another cause when
  // the file is there but was refused (its message is InputStatusText).
  InputStatus LastReadStatus() const { return status_; }

 private:
  std::string file_;
  mutable InputStatus status_ = InputStatus::Ok;
};

}  // namespace quorla
