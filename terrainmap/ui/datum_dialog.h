#pragma once
// The conversion dialog (202 x 100 dialog units): the system list, the two entry boxes, the two
// read-only results, the buttons its presenter asks for and a status bar.
#include <QDialog>

#include "dialogs/datum_dialog_presenter.h"
#include "entry/geo_box_properties.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace terrainmap::ui {

class GeoEntryEdit;

class DatumDialog : public QDialog, public DatumDialogView {
 public:
  DatumDialog(QWidget* owner, const DatumDialogStart& start, const GeoBoxProperties& properties);

  // Opens the presenter, runs the dialog; 0, 1 or 2.
  int Run(int x, int y);
  const DatumDialogPresenter& presenter() const { return presenter_; }

  void SetInputLabel(std::string_view text) override;
  void SetInputs(const std::string& first, const std::string& second, bool planar) override;
  void SetResults(const std::string& lon, const std::string& lat) override;
  void SetStatus(const std::string& text) override;
  void Close(int result) override { done(result); }

 private:
  DatumDialogPresenter presenter_;
  QComboBox* systems_ = nullptr;
  QLabel* inputLabel_ = nullptr;
  GeoEntryEdit* first_ = nullptr;
  GeoEntryEdit* second_ = nullptr;
  QLineEdit* resultLon_ = nullptr;
  QLineEdit* resultLat_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace terrainmap::ui
