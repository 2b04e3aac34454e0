#pragma once
// What every Info dialog of the record form shares: modal over the form, titled with the caption
// prefix and the item, the dialog font, and the buttons "&OK" and "&Cancel" (Escape cancels).
#include <QDialog>
#include <string_view>

#include "forms/info_request.h"

class QBoxLayout;
class QPushButton;

namespace recbook::ui {

// Single-byte table text (the degree sign is 0xB0) as a Qt string.
QString L1(std::string_view bytes);

class InfoDialogFrame : public QDialog {
 public:
  InfoDialogFrame(const InfoRequest& request, QWidget* parent);
  InfoDialogFrame(std::string_view caption, quorla::Language language, QWidget* parent);
  // title: single-byte, shown after the request's caption prefix (UTF-8).
  void SetTitle(std::string_view title);
  // The column the dialog's own controls go into, above the buttons.
  QBoxLayout* body() const { return body_; }
  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }
  // Shown read-only (the file viewer): no "&OK", only "&Cancel".
  void HideOk();

 private:
  QString caption_;
  QBoxLayout* body_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace recbook::ui
