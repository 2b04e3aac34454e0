// EDITANTVA: the antenna editor as a modal window over the caller's window, with the Kathrein
// conversion window in between when the user asks for it.
#include <cstring>
#include <string>

#include "antenna_code.h"
#include "antenna_edit_params.h"
#include "kathrein_setting.h"
#include "ui/antenna_editor_dialog.h"
#include "ui/entry_application.h"
#include "ui/kathrein_window.h"

namespace {

// The last Kathrein file chosen, kept while the library is loaded.
std::string gLastKathreinName = "*.msi";

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

void WriteBack(AntennaEditParams& p, const std::string& hcode, const std::string& vcode, float aziMax, float eleMax) {
  WriteCode(p.hcode, hcode);
  WriteCode(p.vcode, vcode);
  p.aziMax = aziMax;
  p.eleMax = eleMax;
}

}  // namespace

extern "C" int32_t EDITANTVA(AntennaEditParams* params) {
  if (!params) return 0;
  quorla::ui::EntryApplication app;
  if (!app.usable()) return 0;
  quorla::SettingsStore store;
  const std::string startDirectory = radpattern::ReadKathreinDirectory(store);
  std::string directory = startDirectory;
  QWidget* owner = quorla::ui::OwnerWindow(params->parent);
  params->page = static_cast<uint8_t>(radpattern::EntryPage(params->page));
  int result = 0;
  for (;;) {
    const radpattern::EditorEntry entry = EntryOf(*params);
    radpattern::ui::AntennaEditorDialog dialog(entry, owner);
    result = dialog.Run();
    const radpattern::EditorResult r = dialog.presenter().Result();
    if (result == 1) WriteBack(*params, r.hcode, r.vcode, r.aziMax, r.eleMax);
    if (result >= 0) break;
    // The editor reopens with what it showed, and with the conversion's results when one ran.
    WriteBack(*params, r.hcode, r.vcode, r.aziMax, r.eleMax);
    radpattern::ui::KathreinWindow window({entry.caption, entry.language, entry.mode, directory, gLastKathreinName}, owner);
    const int converted = window.Run();
    directory = window.presenter().directory();
    gLastKathreinName = window.presenter().lastName();
    if (const auto& fit = window.presenter().fit())
      WriteBack(*params, fit->hcode, fit->vcode, static_cast<float>(fit->aziMax), static_cast<float>(fit->eleMax));
    if (converted == 1) params->page = 4;
  }
  radpattern::WriteKathreinDirectory(store, startDirectory, directory);
  return result;
}
