#pragma once
// The directory settings dialog (175 x 216 dialog units): the stored directories, the two edit
// boxes with "Find &1" / "Find &2", the check box "Save in Registry  (for case OK) ", OK and Cancel.
#include <QDialog>

#include "dialogs/directory_dialog_presenter.h"

class QLineEdit;

namespace terrainmap::ui {

class DirectoryDialog : public QDialog, public DirectoryDialogView {
 public:
  DirectoryDialog(QWidget* owner, quorla::Host& host, quorla::SettingsStore& store, const DirectoryDialogStart& start);

  // Opens the presenter, runs the dialog; 1 after OK, else 0.
  int Run(int x, int y);
  const DirectoryDialogPresenter& presenter() const { return presenter_; }

  void SetTerrainText(const std::string& dir) override;
  void SetBorderText(const std::string& dir) override;
  void Close(int result) override { done(result); }

 private:
  DirectoryDialogPresenter presenter_;
  QLineEdit* terrain_ = nullptr;
  QLineEdit* border_ = nullptr;
};

}  // namespace terrainmap::ui
