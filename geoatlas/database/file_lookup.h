#pragma once
// Finding the world map data files: the folder named in "ATLASCFG.INI" (section "ORBIS", key
// "ORBIS_DataFileDir"), then the fixed fallback folders under the installed data folder.
#include <string>
#include <vector>

namespace quorla::geoatlas {

struct AtlasPlaces {
  std::string iniPath;                      // the "ATLASCFG.INI" to read
  std::vector<std::string> fallbackFolders;  // tried in order, each ending with "/"
};

// The settings folder's "ATLASCFG.INI" and the six folder forms under DataDirectory().
AtlasPlaces DefaultPlaces();

struct AtlasSettings {
  std::string dataDirectory;  // blank when not set
  bool valueTooLong = false;  // the entry did not fit the 256-character buffer
  bool xLinesAllowed = false;  // key "ORBIS_DrawXLines" = 1: lines of type "X" are drawn
};
AtlasSettings ReadAtlasSettings(const std::string& iniPath);

// The full path of fileName (matched without regard to case), or empty text when not found.
std::string FindDataFile(const std::string& fileName, const AtlasSettings& settings, const AtlasPlaces& places);

}  // namespace quorla::geoatlas
