#pragma once
// INI profile strings: "[section]" lines and "key=value" lines, section and key names matched
// without regard to case. Used for "ATLASCFG.INI" and, one section per key, for the settings store.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quorla {

class IniFile {
 public:
  // Values: Trimmed drops the blanks around a value as profile strings do; Exact keeps every
  // character behind the "=" (the settings store keeps " 0, 2" as it was set).
  enum class Values { Trimmed, Exact };
  // Parses text; lines that are neither a section nor a key are kept out of the model.
  static IniFile Parse(const std::string& text, Values values = Values::Trimmed);
  // Loads path; a missing or unreadable file gives an empty profile.
  static IniFile Load(const std::string& path, Values values = Values::Trimmed);

  std::optional<std::string> Get(const std::string& section, const std::string& key) const;
  // False (nothing changed) for a value with a line break, which one line cannot hold.
  bool Set(const std::string& section, const std::string& key, const std::string& value);
  bool HasSection(const std::string& section) const;
  void AddSection(const std::string& section);

  std::string Text() const;
  bool Save(const std::string& path) const;  // atomic replace

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
  };
  Section* Find(const std::string& name);
  const Section* Find(const std::string& name) const;
  std::vector<Section> sections_;
};

// The profile calls of the INI file: a missing value gives the default text.
std::string GetProfileString(const std::string& path, const std::string& section, const std::string& key,
                             const std::string& defaultText);
bool WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value);

}  // namespace quorla
