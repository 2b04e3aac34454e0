#pragma once
// What every entry point does around its window: a QApplication when the caller has none, the
// block's texts copied at entry, and the caller's window found from its handle.
#include <QWidget>
#include <memory>
#include <string>

#include "bilingual_texts.h"
#include "editor_params.h"

class QApplication;

namespace recbook::exports {

// Creates the QApplication for the call when none exists; false when another kind of
// application object is running (no window can be shown then).
class EntryApplication {
 public:
  EntryApplication();
  ~EntryApplication();
  bool usable() const { return usable_; }

 private:
  std::unique_ptr<QApplication> own_;
  bool usable_ = false;
};

struct EntryTexts {
  std::string caption;
  quorla::Language language;
  QWidget* owner;
};

// The caption up to its terminator (254 characters at most), the language and the owner window.
EntryTexts CopyEntryTexts(const EditorParams& params);

}  // namespace recbook::exports
