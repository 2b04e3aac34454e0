#include "entry_texts.h"

#include <cstring>

#include "ui/entry_application.h"

namespace recbook::exports {

EntryTexts CopyEntryTexts(const EditorParams& params) {
  EntryTexts t;
  t.caption.assign(params.caption, ::strnlen(params.caption, sizeof params.caption - 1));
  t.language = quorla::LanguageFromByte(params.language);
  t.owner = quorla::ui::OwnerWindow(params.owner);
  return t;
}

}  // namespace recbook::exports
