#pragma once
// The entry-box properties dialog: for longitude and for latitude the check box "cursor skips
// over ..." and the group "Colour selection begins at:" with an example; OK and Cancel.
#include <QDialog>

#include "dialogs/geo_box_properties_presenter.h"

namespace terrainmap::ui {

class GeoBoxPropertiesDialog : public QDialog {
 public:
  GeoBoxPropertiesDialog(QWidget* owner, quorla::SettingsStore& store, quorla::Language language,
                         const std::string& caption);

  // Runs the dialog; 1 after OK (the properties then in force and stored), else 0.
  int Run(int x, int y);
  const GeoBoxPropertiesPresenter& presenter() const { return presenter_; }

 private:
  GeoBoxPropertiesPresenter presenter_;
};

}  // namespace terrainmap::ui
