#pragma once
// The page "  Contents of selected record  ": the 29 edit boxes under their labels, text 6 with
// the record number, button 4 (" New Rec" / " Find error") and the diskette save button. The page
// shows what its presenter says and hands every edit and button to it.
#include <QWidget>
#include <functional>
#include <map>

#include "bilingual_texts.h"
#include "entry/geo_box_properties.h"
#include "forms/record_form_view.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QToolButton;

namespace recbook {
class RecordFormPresenter;
}

namespace recbook::ui {

class RecordFormPage : public QWidget, public RecordFormView {
 public:
  // geo: the user's properties of the co-ordinate entry boxes 20 and 21.
  RecordFormPage(quorla::Language language, const terrainmap::GeoBoxProperties& geo, QWidget* parent = nullptr);

  // command receives the page's buttons as editor commands (4 and 219).
  void Bind(RecordFormPresenter& presenter, std::function<void(int)> command);
  // The viewer's page: the boxes cannot be typed into, buttons 4 and 5 are hidden.
  void SetReadOnly();

  QLineEdit* box(int id) const { return boxes_.at(id); }
  QPushButton* firstButton() const { return firstButton_; }
  QToolButton* saveButton() const { return saveButton_; }
  QLabel* numberText() const { return number_; }

  void ShowBoxText(int box, const std::string& text) override;
  void FocusBox(int box, int start, int end) override;
  void ShowRecordNumber(const std::string& text, bool newRecord) override;
  void ShowChanged(bool changed) override;
  void ShowFirstButton(const std::string& text) override;
  void UseGeoBoxProperties(const terrainmap::GeoBoxProperties& p) override;
  void ShowInfoButton(const std::string& caption, std::optional<InfoDialog> dialog) override;

  QPushButton* infoButton() const { return infoButton_; }

 protected:
  // A box taking the focus tells the presenter, whose Info button follows it.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Button 9: the dialog of the box with the focus, its "&OK" written back into the form.
  void OpenInfo();

  RecordFormPresenter* presenter_ = nullptr;
  std::map<int, QLineEdit*> boxes_;
  QLabel* number_ = nullptr;
  QPushButton* firstButton_ = nullptr;
  QPushButton* infoButton_ = nullptr;
  QToolButton* saveButton_ = nullptr;
  QScrollArea* scroll_ = nullptr;
};

}  // namespace recbook::ui
