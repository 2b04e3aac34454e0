#pragma once
// INI profile strings: "[section]" lines and "key=value" lines, section and key names matched
// without regard to case. Used for "ATLASCFG.INI" and, one section per key, for the settings store.
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "input_file.h"

namespace quorla {

class IniFile {
 public:
  // Values: Trimmed drops the blanks around a value as profile strings do; Exact keeps every
  // character behind the "=" (the settings store keeps " 0, 2" as it was set).
  enum class Values { Trimmed, Exact };
  // Parses text; lines that are neither a section nor a key are kept out of the model.
  static IniFile Parse(const std::string& text, Values values = Values::Trimmed);
  // Profiles are small by nature; a larger file is refused rather than read.
  static constexpr size_t kMaxFileBytes = 1 << 20;
  // Loads path into out (empty unless Ok). A missing file is an empty profile to start from;
  // any other failure means the file is there but not to be read, nor written over.
  static InputStatus Load(const std::string& path, IniFile& out, Values values = Values::Trimmed);

  std::optional<std::string> Get(const std::string& section, const std::string& key) const;
  // False (nothing changed) for a value with a line break, which one line cannot hold.
  bool Set(const std::string& section, const std::string& key, const std::string& value);
  bool HasSection(const std::string& section) const;
  void AddSection(const std::string& section);

  std::string Text() const;
  bool Save(const std::string& path) const;  // atomic replace

 private:
  // Names in their order for the text, found through an index by their lower-case form, so that
  // reading n keys costs n lookups, not n squared comparisons.
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
    std::unordered_map<std::string, size_t> keys;
  };
  Section* Find(const std::string& name);
  const Section* Find(const std::string& name) const;
  size_t FindOrAdd(const std::string& name);  // the section's index
  static void Put(Section& section, const std::string& key, const std::string& value);
  std::vector<Section> sections_;
  std::unordered_map<std::string, size_t> names_;
};

// The profile calls of the INI file: a missing value (or an unreadable file) gives the default
// text; a write fails when the file is there but cannot be read.
std::string GetProfileString(const std::string& path, const std::string& section, const std::string& key,
                             const std::string& defaultText);
bool WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value);

}  // namespace quorla
