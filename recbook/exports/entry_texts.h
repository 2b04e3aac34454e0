#pragma once
// The texts an editor entry point copies from its block at entry: caption, language, owner window.
#include <QWidget>
#include <string>

#include "bilingual_texts.h"
#include "editor_params.h"

namespace recbook::exports {

struct EntryTexts {
  std::string caption;
  quorla::Language language;
  QWidget* owner;
};

// The caption up to its terminator (254 characters at most), the language and the owner window.
EntryTexts CopyEntryTexts(const EditorParams& params);

}  // namespace recbook::exports
