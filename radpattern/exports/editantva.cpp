// EDITANTVA: the antenna editor as a modal window over the caller's window.
#include <cstring>
#include <string>

#include "antenna_code.h"
#include "antenna_edit_params.h"
#include "ui/antenna_editor_dialog.h"
#include "ui/entry_application.h"

namespace {

radpattern::EditorEntry EntryOf(const AntennaEditParams& p) {
  radpattern::EditorEntry e;
  e.hcode = radpattern::NormaliseAntennaCode(p.hcode);
  e.vcode = radpattern::NormaliseAntennaCode(p.vcode);
  e.aziMax = radpattern::EntryAziMax(p.aziMax);
  e.eleMax = radpattern::EntryEleMax(p.eleMax);
  e.language = quorla::LanguageFromByte(p.language);
  e.caption.assign(p.caption, ::strnlen(p.caption, sizeof p.caption - 1));
  e.mode = p.mode;
  e.page = p.page;
  e.newMethod = p.newMethod != 0;
  return e;
}

void WriteCode(char (&field)[7], const std::string& code) { std::memcpy(field, code.data(), sizeof field); }

}  // namespace

extern "C" int32_t EDITANTVA(AntennaEditParams* params) {
  if (!params) return 0;
  quorla::ui::EntryApplication app;
  if (!app.usable()) return 0;
  params->page = static_cast<uint8_t>(radpattern::EntryPage(params->page));
  radpattern::ui::AntennaEditorDialog dialog(EntryOf(*params), quorla::ui::OwnerWindow(params->parent));
  const int result = dialog.Run();
  if (result == 1) {
    const radpattern::EditorResult r = dialog.presenter().Result();
    WriteCode(params->hcode, r.hcode);
    WriteCode(params->vcode, r.vcode);
    params->aziMax = r.aziMax;
    params->eleMax = r.eleMax;
  }
  return result;
}
