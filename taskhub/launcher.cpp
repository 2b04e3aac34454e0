#include "launcher.h"

#include <algorithm>
#include <cstring>

#include "launcher_settings.h"

namespace taskhub {
namespace {

// Every block has the language byte and the 255-byte caption field (at most 254 characters, the
// rest zero) under the same names; everything else stays zero.
template <class Block>
Block ZeroedBlock(int language, const std::string& caption) {
  Block b;
  std::memset(&b, 0, sizeof b);
  b.language = static_cast<uint8_t>(language);
  std::memcpy(b.caption, caption.data(), std::min(caption.size(), sizeof b.caption - 1));
  return b;
}

}  // namespace

MapViewerParams MapViewerBlock(int language, const std::string& caption) {
  return ZeroedBlock<MapViewerParams>(language, caption);
}
EditorParams EditorBlock(int language, const std::string& caption) {
  return ZeroedBlock<EditorParams>(language, caption);
}
AntennaEditParams AntennaEditorBlock(int language, const std::string& caption) {
  return ZeroedBlock<AntennaEditParams>(language, caption);
}

int RunLauncher(TaskWindows& windows, EntryPoints& entries, quorla::SettingsStore& settings) {
  settings.CreateOrOpenKey(quorla::kMirandexKey);
  const std::string read = settings.QueryText(quorla::kMirandexKey, kSettingsValue).value_or("");
  LauncherSettings s = ParseLauncherSettings(read);
  for (;;) {
    const int code = windows.Run(s.language, s.task);
    if (code >= 1 && code <= 3) {
      s.task = code;
      if (code == 1) {
        MapViewerParams b = MapViewerBlock(s.language, kCaption);
        entries.MapViewer(b);
      } else if (code == 2) {
        EditorParams b = EditorBlock(s.language, kCaption);
        entries.Editor(b);
      } else {
        AntennaEditParams b = AntennaEditorBlock(s.language, kCaption);
        entries.AntennaEditor(b);
      }
    } else if (code > 100) {
      s.language = s.language == 0 ? 1 : 0;
      s.task = code - 100;
    } else if (code <= 0) {
      s.task = -code;
      break;
    }
  }
  // Written only when changed; a failed write is ignored.
  if (const std::string text = FormatLauncherSettings(s); text != read)
    settings.SetText(quorla::kMirandexKey, kSettingsValue, text);
  return 0;
}

}  // namespace taskhub
