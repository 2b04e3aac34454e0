#include "editor/editor_settings.h"

#include <cctype>

#include "entry/geo_box_settings.h"

namespace recbook {
namespace {
constexpr const char* kLastDirectory = "archXMS";
constexpr const char* kWindowSize = "EditorSize";
constexpr int kSmallestSide = 100;
constexpr int kLargestSide = 20000;
}  // namespace

EditorSettings ReadEditorSettings(quorla::SettingsStore& store, bool withGeoBox) {
  store.CreateOrOpenKey(quorla::kQuorlaKey);
  EditorSettings s;
  s.lastDirectory = store.QueryText(quorla::kQuorlaKey, kLastDirectory).value_or("");
  s.windowSize = ParseWindowSize(store.QueryText(quorla::kQuorlaKey, kWindowSize).value_or(""));
  if (withGeoBox) s.geoBoxProperties = terrainmap::ReadGeoBoxProperties(store);
  return s;
}

WindowSize ParseWindowSize(const std::string& text) {
  const size_t x = text.find('x');
  if (x == std::string::npos || x == 0 || x + 1 >= text.size() || text.size() > 11) return {};
  int sides[2] = {0, 0};
  const std::string parts[2] = {text.substr(0, x), text.substr(x + 1)};
  for (int i = 0; i < 2; ++i) {
    for (const char c : parts[i]) {
      if (!std::isdigit(static_cast<unsigned char>(c))) return {};
      sides[i] = sides[i] * 10 + (c - '0');
    }
    if (sides[i] < kSmallestSide || sides[i] > kLargestSide) return {};
  }
  return {sides[0], sides[1]};
}

void WriteWindowSize(quorla::SettingsStore& store, WindowSize size) {
  store.SetText(quorla::kQuorlaKey, kWindowSize, std::to_string(size.width) + "x" + std::to_string(size.height));
}

void WriteLastDirectory(quorla::SettingsStore& store, const EditorSettings& atStart, const std::string& lastDirectory) {
  if (lastDirectory != atStart.lastDirectory) store.SetText(quorla::kQuorlaKey, kLastDirectory, lastDirectory);
}

}  // namespace recbook
