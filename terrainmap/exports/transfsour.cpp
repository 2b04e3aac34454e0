// TRANSFSOUR: the datum conversion dialog over the caller's window.
#include "block_texts.h"
#include "datum/geodetic_system_setting.h"
#include "entry/geo_box_settings.h"
#include "map_params.h"
#include "settings_store.h"
#include "ui/datum_dialog.h"
#include "ui/entry_application.h"

extern "C" int32_t TRANSFSOUR(TransfSourParams* params) {
  if (!params) return 0;
  if (params->buttons < 0 || params->buttons > 2) params->buttons = 0;
  quorla::ui::EntryApplication app;
  if (!app.usable()) return 0;
  using namespace terrainmap;
  const exports::BlockTexts texts = exports::CopyBlockTexts(*params);
  quorla::SettingsStore store;
  const int stored = ReadGeodeticSystemSetting(store);
  DatumDialogStart start{texts.language, texts.caption, params->kind, exports::FieldText(params->coords),
                         static_cast<DatumButtons>(params->buttons), stored};
  ui::DatumDialog dialog(texts.owner, start, GeoBoxPropertiesInForce(store));
  const int result = dialog.Run(params->x, params->y);
  WriteGeodeticSystemSetting(store, stored, dialog.presenter().systemIndex());
  if (result > 0) exports::WriteField(params->coords, dialog.presenter().resultCoords());
  return result;
}
