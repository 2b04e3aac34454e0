#pragma once
// What every Info dialog of the record form shares: modal over the form, titled with the caption
// prefix and the item, the dialog font, and the buttons "&OK" and "&Cancel" (Escape cancels).
#include <QDialog>
#include <string_view>

#include "bilingual_texts.h"

class QBoxLayout;
class QPushButton;

namespace recbook::ui {

// Single-byte table text (the degree sign is 0xB0) as a Qt string.
QString L1(std::string_view bytes);

class InfoDialogFrame : public QDialog {
 public:
  // title: single-byte, shown after the caption prefix (UTF-8).
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
