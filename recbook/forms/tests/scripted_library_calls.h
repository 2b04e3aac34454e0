#pragma once
// A stand-in for the other libraries' windows in the Info dialog tests: each call keeps the block
// it was given, and answers with the scripted result and output. And the Info request of an item
// of the clean test station.
#include <algorithm>
#include <optional>
#include <string>

#include "forms/block_field.h"
#include "forms/info_request.h"
#include "forms/library_calls.h"
#include "rules/tests/clean_station.h"

namespace recbook::testing {

class ScriptedLibraryCalls : public LibraryCalls {
 public:
  // What the next call answers: the result, and for 1 the text written into coords.
  int result = 0;
  std::string coords;
  float aziMax = 0, eleMax = 0;
  std::string hcode, vcode;
  // The terrain directory check: dir -> this (the same dir when unset).
  std::optional<std::string> terrainDirectory;

  std::optional<TransfSourParams> conversion;
  std::optional<MapViewerParams> map;
  std::optional<AntennaEditParams> antenna;
  std::string checkedDirectory;

  int ConvertCoordinates(TransfSourParams& block) override {
    conversion = block;
    if (result == 1) WriteBlockField(block.coords, coords);
    return result;
  }
  int MapViewer(MapViewerParams& block) override {
    map = block;
    if (result == 1) WriteBlockField(block.coords, coords);
    return result;
  }
  int AntennaEditor(AntennaEditParams& block) override {
    antenna = block;
    if (result == 1) {
      hcode.resize(7, '\0');
      vcode.resize(7, '\0');
      std::copy_n(hcode.data(), 7, block.hcode);
      std::copy_n(vcode.data(), 7, block.vcode);
      block.aziMax = aziMax;
      block.eleMax = eleMax;
    }
    return result;
  }
  int DirectorySettings(TransfSourParams& block) override {
    directorySettings = block;
    return result;
  }
  int EntryBoxSettings(TransfSourParams& block) override {
    entryBoxSettings = block;
    return result;
  }
  std::optional<TransfSourParams> directorySettings, entryBoxSettings;
  std::string CheckTerrainDirectory(const std::string& dir) override {
    checkedDirectory = dir;
    return terrainDirectory.value_or(dir);
  }
};

inline InfoRequest RequestOf(Item item, std::initializer_list<Edit> edits = {},
                             quorla::Language language = quorla::Language::English, LibraryCalls* calls = nullptr) {
  InfoRequest request = *InfoRequestFor(RecordBoxOf(item).id, language, " MIRANDEX: ", BoxTextsOf(Fixed(edits)));
  request.libraries = calls;
  return request;
}

}  // namespace recbook::testing
