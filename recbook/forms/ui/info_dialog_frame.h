#pragma once
// What every Info dialog of the record form shares: modal over the form, titled with the caption
// prefix and the item, the dialog font, and the buttons "&OK" and "&Cancel" (Escape cancels).
#include <QDialog>
#include <string_view>

#include "bilingual_texts.h"

class QBoxLayout;
class QPushButton;

namespace recbook::ui {

class InfoDialogFrame : public QDialog {
 public:
  InfoDialogFrame(std::string_view caption, std::string_view title, quorla::Language language, QWidget* parent);
  // The column the dialog's own controls go into, above the buttons.
  QBoxLayout* body() const { return body_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }

 private:
  QBoxLayout* body_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace recbook::ui
