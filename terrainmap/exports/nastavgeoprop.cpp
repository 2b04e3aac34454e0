// NASTAVGEOPROP: the entry-box properties dialog over the caller's window.
#include "block_texts.h"
#include "map_params.h"
#include "settings_store.h"
#include "ui/entry_application.h"
#include "ui/geo_box_properties_dialog.h"

extern "C" int32_t NASTAVGEOPROP(TransfSourParams* params) {
  if (!params) return 0;
  quorla::ui::EntryApplication app;
  if (!app.usable()) return 0;
  const terrainmap::exports::BlockTexts texts = terrainmap::exports::CopyBlockTexts(*params);
  quorla::SettingsStore store;
  terrainmap::ui::GeoBoxPropertiesDialog dialog(texts.owner, store, texts.language, texts.caption);
  return dialog.Run(params->x, params->y) == 1 ? 1 : 0;
}
