#include "ini_file.h"

#include <strings.h>

#include "atomic_file.h"

namespace quorla {
namespace {

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && ::strncasecmp(a.data(), b.data(), a.size()) == 0;
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
  Section* current = nullptr;
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
      const std::string name = line.substr(1, line.size() - 2);
      current = ini.Find(name);
      if (!current) {
        ini.sections_.push_back({name, {}});
        current = &ini.sections_.back();
      }
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string::npos || !current) continue;
    const std::string key = Trim(line.substr(0, eq));
    const std::string value =
        values == Values::Trimmed ? Trim(line.substr(eq + 1)) : raw.substr(raw.find('=') + 1);
    bool replaced = false;
    for (auto& [k, v] : current->entries) {
      if (SameName(k, key)) {
        v = value;
        replaced = true;
      }
    }
    if (!replaced) current->entries.emplace_back(key, value);
  }
  return ini;
}

IniFile IniFile::Load(const std::string& path, Values values) {
  std::string text;
  if (!ReadWholeFile(path, text)) return {};
  return Parse(text, values);
}

IniFile::Section* IniFile::Find(const std::string& name) {
  for (auto& s : sections_)
    if (SameName(s.name, name)) return &s;
  return nullptr;
}

const IniFile::Section* IniFile::Find(const std::string& name) const {
  for (const auto& s : sections_)
    if (SameName(s.name, name)) return &s;
  return nullptr;
}

std::optional<std::string> IniFile::Get(const std::string& section, const std::string& key) const {
  const Section* s = Find(section);
  if (!s) return std::nullopt;
  for (const auto& [k, v] : s->entries)
    if (SameName(k, key)) return v;
  return std::nullopt;
}

bool IniFile::HasSection(const std::string& section) const { return Find(section) != nullptr; }

void IniFile::AddSection(const std::string& section) {
  if (!Find(section)) sections_.push_back({section, {}});
}

bool IniFile::Set(const std::string& section, const std::string& key, const std::string& value) {
  if (value.find_first_of("\r\n") != std::string::npos) return false;
  AddSection(section);
  Section* s = Find(section);
  for (auto& [k, v] : s->entries) {
    if (SameName(k, key)) {
      v = value;
      return true;
    }
  }
  s->entries.emplace_back(key, value);
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
  return IniFile::Load(path).Get(section, key).value_or(defaultText);
}

bool WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value) {
  IniFile ini = IniFile::Load(path);
  return ini.Set(section, key, value) && ini.Save(path);
}

}  // namespace quorla
