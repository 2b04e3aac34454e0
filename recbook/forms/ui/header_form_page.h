#pragma once
// The page "  Header of file  ": the information line, the ten boxes of record 0 under their
// labels, " Clear" with its status text, and the diskette save button.
#include <QWidget>
#include <functional>
#include <map>

#include "bilingual_texts.h"
#include "forms/header_form_view.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace recbook {
class HeaderFormPresenter;
}

namespace recbook::ui {

class HeaderFormPage : public QWidget, public HeaderFormView {
 public:
  explicit HeaderFormPage(quorla::Language language, QWidget* parent = nullptr);

  // command receives the page's buttons as editor commands (230 " Clear", 229 the diskette).
  void Bind(HeaderFormPresenter& presenter, std::function<void(int)> command);
  void SetInformation(const QString& text);
  // The viewer's page: the boxes cannot be typed into, " Clear" and the diskette are hidden.
  void SetReadOnly();

  QLineEdit* box(int id) const { return boxes_.at(id); }
  QPushButton* clearButton() const { return clear_; }
  QToolButton* saveButton() const { return save_; }
  QLabel* status() const { return status_; }

  void ShowBoxText(int box, const std::string& text) override;
  void FocusBox(int box, int start, int end) override;
  void ShowChanged(bool changed) override;
  void ShowStatus(const std::string& text) override;

 private:
  std::map<int, QLineEdit*> boxes_;
  QLabel* information_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* clear_ = nullptr;
  QToolButton* save_ = nullptr;
};

}  // namespace recbook::ui
