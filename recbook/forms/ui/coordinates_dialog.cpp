#include "forms/ui/coordinates_dialog.h"

#include <QBoxLayout>
#include <QPushButton>

#include "forms/info_dialog_texts.h"
#include "ui/dialog_units.h"
#include "ui/entry_application.h"
#include "ui/qt_host.h"
#include "ui/window_texts.h"

namespace recbook::ui {

CoordinatesDialog::CoordinatesDialog(quorla::Host& host, const InfoRequest& request, LibraryCalls& calls,
                                     quorla::SettingsStore& settings, QWidget* parent)
    : InfoDialogFrame(request, parent),
      language_(request.language) {
  SetTitle(info_texts::kCoordinatesTitle(request.language));
  body()->addWidget(new QLabel(Q(info_texts::kCoordinatesHelp(language_))));
  position_ = new QLabel;
  position_->setObjectName("position");
  position_->setFont(quorla::ui::ListFont());
  body()->addWidget(position_);
  auto* row = new QHBoxLayout;
  conversion_ = new QPushButton(Q(info_texts::kConversionButton(language_)));
  map_ = new QPushButton(Q(info_texts::kMapButton(language_)));
  row->addWidget(conversion_);
  row->addWidget(map_);
  row->addStretch();
  body()->addLayout(row);
  presenter_ = std::make_unique<CoordinatesDialogPresenter>(host, request, *this, calls, settings);
  connect(conversion_, &QPushButton::clicked, this, [this] { presenter_->Conversion(); });
  connect(map_, &QPushButton::clicked, this, [this] { presenter_->FromMap(); });
  presenter_->Start();
}

uint32_t CoordinatesDialog::WindowHandle() const { return quorla::ui::WindowHandle(this); }

void CoordinatesDialog::ShowPosition(const std::string& longitude, const std::string& latitude) {
  position_->setText(Q(std::string(info_texts::kLongitude(language_)) + "  " + longitude + "     " +
                       std::string(info_texts::kLatitude(language_)) + "  " + latitude));
}

BoxWrites OpenCoordinates(const InfoRequest& request, QWidget* parent) {
  if (!request.libraries) return {};
  quorla::QtHost host(parent);
  quorla::SettingsStore settings;
  CoordinatesDialog dialog(host, request, *request.libraries, settings, parent);
  host.SetParent(&dialog);
  dialog.exec();
  return dialog.writes();
}

}  // namespace recbook::ui
