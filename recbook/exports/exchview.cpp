// EXCHVIEW: the file viewer for another program, or for the editor's Append and Remove.
#include <cstdlib>
#include <cstring>

#include "editor/editor_settings.h"
#include "viewer/viewer_setup.h"
#include "editor_params.h"
#include "entry_texts.h"
#include "ui/entry_application.h"
#include "ui/viewer_window.h"
#include "ui/qt_translation.h"

namespace {

char* Result(const std::string& text) {
  char* out = static_cast<char*>(std::malloc(text.size() + 1));
  if (out) std::memcpy(out, text.c_str(), text.size() + 1);
  return out;
}

}  // namespace

extern "C" char* EXCHVIEW(EditorParams* params, void* transfer) {
  if (!params || !recbook::IsViewerMode(params->mode)) return Result("");
  quorla::ui::EntryApplication app;
  if (!app.usable()) return Result("");
  const recbook::exports::EntryTexts texts = recbook::exports::CopyEntryTexts(*params);
  const recbook::ui::QtTranslation qtTexts(texts.language);
  recbook::ViewerSetup setup;
  setup.mode = static_cast<recbook::ViewerMode>(params->mode);
  setup.caption = texts.caption;
  setup.language = texts.language;
  // The editor's own modes come with its last directory; the others keep archXMS themselves.
  const bool ownDirectory = params->mode >= 11;
  quorla::SettingsStore store;
  recbook::EditorSettings settings;
  if (ownDirectory) settings = recbook::ReadEditorSettings(store, false);
  setup.lastDirectory = settings.lastDirectory;
  std::string result, lastDirectory;
  {
    recbook::ui::ViewerWindow window(setup, params->mode == 11 || params->mode == 12 ? transfer : nullptr, texts.owner);
    result = window.Run();
    lastDirectory = window.presenter().lastDirectory();
  }
  if (ownDirectory) recbook::WriteLastDirectory(store, settings, lastDirectory);
  return Result(result);
}
