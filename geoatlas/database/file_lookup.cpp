#include "file_lookup.h"

#include <strings.h>

#include <filesystem>
#include <limits>

#include "ini_file.h"
#include "input_file.h"
#include "platform_paths.h"

namespace quorla::geoatlas {
namespace {

constexpr size_t kValueBuffer = 256;

bool Blank(const std::string& s) { return s.find_first_not_of(' ') == std::string::npos; }

// The entry of folder named name (compared without regard to case when there is no exact match)
// that opens as a regular file. Opened without blocking: a FIFO of that name is passed over.
std::string Openable(const std::string& folder, const std::string& name) {
  const auto opens = [](const std::string& path) {
    InputFile file;
    return file.Open(path, std::numeric_limits<unsigned long long>::max()) == InputStatus::Ok;
  };
  const std::string exact = folder + name;
  if (opens(exact)) return exact;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    const std::string found = entry.path().filename().string();
    if (strcasecmp(found.c_str(), name.c_str()) == 0 && opens(entry.path().string())) return entry.path().string();
  }
  return {};
}

std::string WithSlash(std::string dir) {
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

}  // namespace

AtlasPlaces DefaultPlaces() {
  const std::string data = DataDirectory();
  return {ConfigDirectory() + "ATLASCFG.INI",
          {data, data + "geo/", data + "orbis/", data + "#orbis/", data + "topo/#orbis/", data + "world/"}};
}

AtlasSettings ReadAtlasSettings(const std::string& iniPath) {
  AtlasSettings s;
  const std::string value = GetProfileString(iniPath, "ORBIS", "ORBIS_DataFileDir", " ");
  if (value.size() >= kValueBuffer) s.valueTooLong = true;
  else if (!Blank(value)) s.dataDirectory = value;
  s.xLinesAllowed = GetProfileString(iniPath, "ORBIS", "ORBIS_DrawXLines", "0") == "1";
  return s;
}

std::string FindDataFile(const std::string& fileName, const AtlasSettings& settings, const AtlasPlaces& places) {
  if (!settings.dataDirectory.empty()) {
    if (std::string p = Openable(WithSlash(settings.dataDirectory), fileName); !p.empty()) return p;
  }
  for (const std::string& folder : places.fallbackFolders)
    if (std::string p = Openable(WithSlash(folder), fileName); !p.empty()) return p;
  return {};
}

}  // namespace quorla::geoatlas
