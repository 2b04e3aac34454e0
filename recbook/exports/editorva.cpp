// EDITORVA: the editor as a modal window over the caller's window.
#include "bound_library_calls.h"
#include "editor/editor_settings.h"
#include "editor_params.h"
#include "entry_texts.h"
#include "ui/entry_application.h"
#include "platform_paths.h"
#include "ui/editor_window.h"
#include "ui/qt_translation.h"

extern "C" void EDITORVA(EditorParams* params) {
  if (!params) return;
  quorla::ui::EntryApplication app;
  if (!app.usable()) return;
  const recbook::exports::EntryTexts texts = recbook::exports::CopyEntryTexts(*params);
  const recbook::ui::QtTranslation qtTexts(texts.language);
  quorla::SettingsStore store;
  const recbook::EditorSettings settings = recbook::ReadEditorSettings(store, true);
  recbook::exports::BoundLibraryCalls libraries;
  recbook::EditorStart start{texts.caption, texts.language, quorla::PrivateTempDirectory(), settings.lastDirectory,
                             settings.geoBoxProperties, &libraries};
  std::string lastDirectory;
  {
    recbook::ui::EditorWindow window(start, texts.owner, settings.windowSize);
    lastDirectory = window.Run();
    recbook::WriteWindowSize(store, window.windowSize());
  }
  recbook::WriteLastDirectory(store, settings, lastDirectory);
}
