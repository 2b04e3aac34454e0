#include "ui/marker_input_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "entry/geo_entry_box.h"
#include "geo_text.h"
#include "ui/geo_entry_edit.h"
#include "ui/qt_text.h"
#include "windows/map_window_texts.h"

namespace terrainmap::ui {

using quorla::ui::Q;

MarkerInputDialog::MarkerInputDialog(QWidget* owner, quorla::Host& host, quorla::Language language,
                                     const std::string& caption, const GeoBoxProperties& properties,
                                     const GeoPoint& start)
    : QDialog(owner), host_(host), language_(language), caption_(caption) {
  setWindowTitle(Q(caption + std::string(map_texts::kInputData(language))));
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(Q(map_texts::kWgs84(language))), 0, 0, 1, 2);
  lon_ = new GeoEntryEdit(GeoEntryEdit::Mode::Longitude, properties);
  lat_ = new GeoEntryEdit(GeoEntryEdit::Mode::Latitude, properties);
  const std::string compact = quorla::FormatGeoText(start.lon, start.lat, false);
  if (const size_t comma = compact.find(','); comma != std::string::npos) {
    lon_->PutText(Q(DisplayFromCompact(quorla::GeoKind::Longitude, compact.substr(0, comma))));
    lat_->PutText(Q(DisplayFromCompact(quorla::GeoKind::Latitude, compact.substr(comma + 1))));
  }
  grid->addWidget(lon_, 1, 0);
  grid->addWidget(lat_, 1, 1);
  auto* buttons = new QDialogButtonBox;
  QPushButton* ok = buttons->addButton(Q(map_texts::kOk(language)), QDialogButtonBox::AcceptRole);
  buttons->addButton(Q(map_texts::kCancel(language)), QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &MarkerInputDialog::Confirm);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  grid->addWidget(buttons, 2, 0, 1, 2);
  lon_->setFocus();
}

std::optional<GeoPoint> MarkerInputDialog::Run() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  return position_;
}

void MarkerInputDialog::Confirm() {
  const std::string lonText = quorla::WithoutBlanks(lon_->text().toStdString());
  const std::string latText = quorla::WithoutBlanks(lat_->text().toStdString());
  const bool lonValid = quorla::CheckGeoText(quorla::GeoKind::Longitude, lonText) == 0;
  if (!lonValid || quorla::CheckGeoText(quorla::GeoKind::Latitude, latText) != 0) {
    host_.Message(map_texts::kWrongPosition(language_), caption_ + std::string(map_texts::kError(language_)),
                  quorla::Buttons::Ok, quorla::Icon::Error);
    GeoEntryEdit* wrong = lonValid ? lat_ : lon_;
    wrong->setFocus();
    wrong->selectAll();
    return;
  }
  const quorla::GeoPosition p = quorla::ParseGeoText(lonText + "," + latText);
  position_ = {p.lon, p.lat};
  accept();
}

}  // namespace terrainmap::ui
