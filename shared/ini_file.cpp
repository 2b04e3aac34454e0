#include "ini_file.h"

#include "atomic_file.h"

namespace quorla {
namespace {

// Names match without regard to the case of ASCII letters.
std::string Folded(const std::string& name) {
  std::string folded = name;
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return folded;
}

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

}  // namespace

IniFile IniFile::Parse(const std::string& text, Values values) {
  IniFile ini;
  size_t current = 0;
  bool inSection = false;
  size_t pos = 0;
  while (pos < text.size()) {
    auto end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string raw = text.substr(pos, end - pos);
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    const std::string line = Trim(raw);
    pos = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      current = ini.FindOrAdd(line.substr(1, line.size() - 2));
      inSection = true;
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string::npos || !inSection) continue;
    const std::string key = Trim(line.substr(0, eq));
    const std::string value =
        values == Values::Trimmed ? Trim(line.substr(eq + 1)) : raw.substr(raw.find('=') + 1);
    Put(ini.sections_[current], key, value);
  }
  return ini;
}

InputStatus IniFile::Load(const std::string& path, IniFile& out, Values values) {
  out = {};
  std::string text;
  const InputStatus status = ReadInputFile(path, kMaxFileBytes, text);
  if (status == InputStatus::Ok) out = Parse(text, values);
  return status;
}

IniFile::Section* IniFile::Find(const std::string& name) {
  const auto it = names_.find(Folded(name));
  return it == names_.end() ? nullptr : &sections_[it->second];
}

const IniFile::Section* IniFile::Find(const std::string& name) const {
  const auto it = names_.find(Folded(name));
  return it == names_.end() ? nullptr : &sections_[it->second];
}

size_t IniFile::FindOrAdd(const std::string& name) {
  const auto [it, added] = names_.emplace(Folded(name), sections_.size());
  if (added) sections_.push_back({name, {}, {}});
  return it->second;
}

// A key already there keeps its place and takes the new value (the later line wins).
void IniFile::Put(Section& section, const std::string& key, const std::string& value) {
  const auto [it, added] = section.keys.emplace(Folded(key), section.entries.size());
  if (added) section.entries.emplace_back(key, value);
  else section.entries[it->second].second = value;
}

std::optional<std::string> IniFile::Get(const std::string& section, const std::string& key) const {
  const Section* s = Find(section);
  if (!s) return std::nullopt;
  const auto it = s->keys.find(Folded(key));
  if (it == s->keys.end()) return std::nullopt;
  return s->entries[it->second].second;
}

bool IniFile::HasSection(const std::string& section) const { return Find(section) != nullptr; }

void IniFile::AddSection(const std::string& section) { FindOrAdd(section); }

bool IniFile::Set(const std::string& section, const std::string& key, const std::string& value) {
  if (value.find_first_of("\r\n") != std::string::npos) return false;
  Put(sections_[FindOrAdd(section)], key, value);
  return true;
}

std::string IniFile::Text() const {
  std::string out;
  for (const auto& s : sections_) {
    out += "[" + s.name + "]\n";
    for (const auto& [k, v] : s.entries) out += k + "=" + v + "\n";
    out += "\n";
  }
  return out;
}

bool IniFile::Save(const std::string& path) const { return WriteFileAtomically(path, Text()); }

std::string GetProfileString(const std::string& path, const std::string& section, const std::string& key,
                             const std::string& defaultText) {
  IniFile ini;
  IniFile::Load(path, ini);
  return ini.Get(section, key).value_or(defaultText);
}

bool WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value) {
  IniFile ini;
  const InputStatus status = IniFile::Load(path, ini);
  if (status != InputStatus::Ok && status != InputStatus::Missing) return false;
  return ini.Set(section, key, value) && ini.Save(path);
}

}  // namespace quorla
