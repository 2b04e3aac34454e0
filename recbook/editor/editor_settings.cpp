#include "editor/editor_settings.h"

#include <cctype>

namespace recbook {
namespace {
constexpr const char* kLastDirectory = "archXMS";
constexpr const char* kGeoBox = "GeoTxtBox";
}  // namespace

std::array<int, 4> ParseGeoBoxProperties(const std::string& text) {
  std::array<int, 4> values{};
  for (size_t i = 0; i < values.size(); ++i) {
    const size_t at = i * 3;
    if (at + 2 > text.size()) break;
    const unsigned char a = static_cast<unsigned char>(text[at]), b = static_cast<unsigned char>(text[at + 1]);
    if (std::isdigit(a) && std::isdigit(b)) values[i] = (a - '0') * 10 + (b - '0');
  }
  return values;
}

EditorSettings ReadEditorSettings(quorla::SettingsStore& store, bool withGeoBox) {
  store.CreateOrOpenKey(quorla::kQuorlaKey);
  EditorSettings s;
  s.lastDirectory = store.QueryText(quorla::kQuorlaKey, kLastDirectory).value_or("");
  if (withGeoBox) s.geoBoxProperties = ParseGeoBoxProperties(store.QueryText(quorla::kQuorlaKey, kGeoBox).value_or(""));
  return s;
}

void WriteLastDirectory(quorla::SettingsStore& store, const EditorSettings& atStart, const std::string& lastDirectory) {
  if (lastDirectory != atStart.lastDirectory) store.SetText(quorla::kQuorlaKey, kLastDirectory, lastDirectory);
}

}  // namespace recbook
