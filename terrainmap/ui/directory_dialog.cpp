#include "ui/directory_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/dialog_buttons.h"
#include "dialogs/directory_dialog_texts.h"
#include "ui/dialog_position.h"
#include "ui/dialog_layout.h"
#include "ui/qt_text.h"

namespace terrainmap::ui {

using quorla::ui::Q;

DirectoryDialog::DirectoryDialog(QWidget* owner, quorla::Host& host, quorla::SettingsStore& store,
                                 const DirectoryDialogStart& start)
    : QDialog(owner), presenter_(*this, host, store, start) {
  const auto& t = kDirectoryDialogTexts;
  const quorla::Language l = start.language;
  const DialogLayout layout(*this, presenter_.Title(), 175, 216);

  layout.Put(new QGroupBox(Q(t.inRegistry(l)), this), 4, 4, 167, 44);
  auto* storedTerrain = new QLabel(Q(presenter_.StoredTerrainLine()), this);
  auto* storedBorder = new QLabel(Q(presenter_.StoredBorderLine()), this);
  layout.Put(storedTerrain, 10, 16, 157, 10);
  layout.Put(storedBorder, 10, 30, 157, 10);

  // Each directory: its label, the edit box, "Find" and below it the note on what the folder holds.
  layout.Put(new QGroupBox(Q(t.setting(l)), this), 4, 52, 167, 130);
  layout.Put(new QLabel(Q(t.terrainLabel(l)), this), 10, 64, 157, 8);
  terrain_ = new QLineEdit(this);
  layout.Put(terrain_, 10, 74, 157, 12);
  auto* findTerrain = new QPushButton(Q(t.findTerrain(l)), this);
  layout.Put(findTerrain, 10, 89, 44, 14);
  layout.Put(new QLabel(Q(t.terrainNote(l)), this), 10, 106, 157, 8);

  layout.Put(new QLabel(Q(t.borderLabel(l)), this), 10, 122, 157, 8);
  border_ = new QLineEdit(this);
  layout.Put(border_, 10, 132, 157, 12);
  auto* findBorder = new QPushButton(Q(t.findBorder(l)), this);
  layout.Put(findBorder, 10, 147, 44, 14);
  layout.Put(new QLabel(Q(t.borderNote(l)), this), 10, 164, 157, 8);

  auto* save = new QCheckBox(Q(t.saveInRegistry(l)), this);
  save->setChecked(presenter_.saveChecked());
  save->setEnabled(presenter_.saveEnabled());
  layout.Put(save, 10, 185, 157, 10);

  auto* ok = new QPushButton(Q(kOkButton(l)), this);
  auto* cancel = new QPushButton(Q(kCancelButton(l)), this);
  layout.Put(ok, 30, 199, 50, 14);
  layout.Put(cancel, 95, 199, 50, 14);
  ok->setDefault(true);

  connect(findTerrain, &QPushButton::clicked, this, [this] { presenter_.FindTerrain(terrain_->text().toStdString()); });
  connect(findBorder, &QPushButton::clicked, this, [this] { presenter_.FindBorder(border_->text().toStdString()); });
  connect(save, &QCheckBox::toggled, this, [this](bool on) { presenter_.SetSave(on); });
  connect(ok, &QPushButton::clicked, this,
          [this] { presenter_.Ok(terrain_->text().toStdString(), border_->text().toStdString()); });
  connect(cancel, &QPushButton::clicked, this, [this] { presenter_.Cancel(); });
}

int DirectoryDialog::Run(int x, int y) {
  presenter_.Open();
  PlaceDialogWidget(*this, parentWidget(), x, y);
  return exec();
}

void DirectoryDialog::SetTerrainText(const std::string& dir) { terrain_->setText(Q(dir)); }
void DirectoryDialog::SetBorderText(const std::string& dir) { border_->setText(Q(dir)); }

}  // namespace terrainmap::ui
