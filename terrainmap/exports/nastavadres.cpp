// NASTAVADRES: the directory settings dialog over the caller's window.
#include "block_texts.h"
#include "map_params.h"
#include "settings_store.h"
#include "ui/directory_dialog.h"
#include "ui/entry_application.h"
#include "ui/qt_host.h"

namespace {
// The state of the check box "Save in Registry" from the last OK, for the rest of the process.
bool rememberedSave = false;
}  // namespace

extern "C" int32_t NASTAVADRES(TransfSourParams* params) {
  if (!params) return 0;
  quorla::ui::EntryApplication app;
  if (!app.usable()) return 0;
  using namespace terrainmap;
  const exports::BlockTexts texts = exports::CopyBlockTexts(*params);
  quorla::SettingsStore store;
  quorla::QtHost host(texts.owner);
  ui::DirectoryDialog dialog(texts.owner, host, store,
                             {texts.language, texts.caption, params->kind != 0, rememberedSave});
  host.SetParent(&dialog);
  const int result = dialog.Run(params->x, params->y);
  if (result != 1) return 0;
  if (params->kind == 0) rememberedSave = dialog.presenter().saveChecked();
  exports::WriteField(params->coords, dialog.presenter().resultDirectory());
  return 1;
}
