#pragma once
// Qt's own dialog texts (file dialogs, message box buttons) in the user's language: while an entry
// point runs, Qt's Czech translations are installed when the language is Czech.
#include <QTranslator>

#include "bilingual_texts.h"

namespace recbook::ui {

class QtTranslation {
 public:
  explicit QtTranslation(quorla::Language language);
  ~QtTranslation();
  QtTranslation(const QtTranslation&) = delete;
  QtTranslation& operator=(const QtTranslation&) = delete;
  bool installed() const { return installed_; }

 private:
  QTranslator translator_;
  bool installed_ = false;
};

}  // namespace recbook::ui
