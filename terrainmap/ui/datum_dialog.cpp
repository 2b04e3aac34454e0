#include "ui/datum_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "datum/geodetic_systems.h"
#include "dialogs/datum_dialog_texts.h"
#include "dialogs/dialog_buttons.h"
#include "ui/dialog_position.h"
#include "ui/dialog_layout.h"
#include "ui/geo_entry_edit.h"
#include "ui/qt_text.h"

namespace terrainmap::ui {

using quorla::ui::Q;

DatumDialog::DatumDialog(QWidget* owner, const DatumDialogStart& start, const GeoBoxProperties& properties)
    : QDialog(owner), presenter_(*this, start) {
  const auto& t = kDatumDialogTexts;
  const quorla::Language l = start.language;
  const DialogLayout layout(*this, presenter_.Title(), 202, 100);

  layout.Put(new QLabel(Q(t.fromSystem(l)), this), 4, 6, 90, 8);
  systems_ = new QComboBox(this);
  for (int i = 0; i < kGeodeticSystemCount; ++i) systems_->addItem(Q(GeodeticSystemAt(i)->listText));
  systems_->setMaxVisibleItems(kGeodeticSystemCount);
  layout.Put(systems_, 96, 4, 102, 12);

  layout.Put(new QLabel(Q(t.coordinates(l)), this), 4, 22, 52, 8);
  inputLabel_ = new QLabel(this);
  layout.Put(inputLabel_, 4, 30, 52, 8);
  first_ = new GeoEntryEdit(GeoEntryEdit::Mode::Longitude, properties, false, this);
  second_ = new GeoEntryEdit(GeoEntryEdit::Mode::Latitude, properties, false, this);
  layout.Put(first_, 58, 25, 68, 12);
  layout.Put(second_, 130, 25, 68, 12);

  layout.Put(new QLabel(Q(t.toWgs84(l)), this), 4, 44, 120, 8);
  resultLon_ = new QLineEdit(this);
  resultLat_ = new QLineEdit(this);
  for (QLineEdit* r : {resultLon_, resultLat_}) {
    r->setReadOnly(true);
    r->setFocusPolicy(Qt::NoFocus);
  }
  layout.Put(resultLon_, 58, 53, 68, 12);
  layout.Put(resultLat_, 130, 53, 68, 12);

  int x = 4;
  auto button = [&](quorla::BiText text, int width, auto action) {
    auto* b = new QPushButton(Q(text(l)), this);
    layout.Put(b, x, 70, width, 14);
    x += width + 4;
    connect(b, &QPushButton::clicked, this, action);
    return b;
  };
  if (presenter_.ShowsOk()) button(kOkButton, 44, [this] { presenter_.Ok(); })->setDefault(true);
  if (presenter_.ShowsFind()) button(t.find, 96, [this] { presenter_.Find(); })->setDefault(!presenter_.ShowsOk());
  button(kCancelButton, 44, [this] { presenter_.Cancel(); });

  status_ = new QLabel(this);
  status_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  layout.Put(status_, 0, 89, 202, 11);

  connect(systems_, &QComboBox::currentIndexChanged, this, [this](int index) { presenter_.SystemChosen(index); });
  const auto edited = [this] { presenter_.InputsEdited(first_->text().toStdString(), second_->text().toStdString()); };
  first_->OnNormalised(edited);
  second_->OnNormalised(edited);
}

int DatumDialog::Run(int x, int y) {
  presenter_.Open();
  {
    const QSignalBlocker quiet(systems_);  // the presenter has chosen the system already
    systems_->setCurrentIndex(presenter_.systemIndex());
  }
  PlaceDialogWidget(*this, parentWidget(), x, y);
  first_->setFocus();
  return exec();
}

void DatumDialog::SetInputLabel(std::string_view text) { inputLabel_->setText(Q(text)); }

void DatumDialog::SetInputs(const std::string& first, const std::string& second, bool planar) {
  first_->SetMode(planar ? GeoEntryEdit::Mode::Planar : GeoEntryEdit::Mode::Longitude);
  second_->SetMode(planar ? GeoEntryEdit::Mode::Planar : GeoEntryEdit::Mode::Latitude);
  first_->PutText(Q(first));
  second_->PutText(Q(second));
}

void DatumDialog::SetResults(const std::string& lon, const std::string& lat) {
  resultLon_->setText(Q(lon));
  resultLat_->setText(Q(lat));
}

void DatumDialog::SetStatus(const std::string& text) { status_->setText(Q(text)); }

}  // namespace terrainmap::ui
