#include "forms/ui/altitude_dialog.h"

#include <QBoxLayout>

#include "forms/altitude_line.h"
#include "forms/info_dialog_texts.h"
#include "ui/window_texts.h"

namespace recbook::ui {

AltitudeDialog::AltitudeDialog(const InfoRequest& request, LibraryCalls& calls, QWidget* parent)
    : InfoDialogFrame(request, parent) {
  SetTitle(info_texts::kAltitudeTitle(request.language));
  for (const quorla::BiText& line : info_texts::kAltitudeHelp) body()->addWidget(new QLabel(Q(line(request.language))));
  altitude_ = new QLabel(Q(AltitudeLine(request, calls)));
  altitude_->setObjectName("altitude");
  QFont bold = font();
  bold.setBold(true);
  altitude_->setFont(bold);
  body()->addWidget(altitude_);
}

BoxWrites OpenAltitude(const InfoRequest& request, QWidget* parent) {
  if (!request.libraries) return {};
  AltitudeDialog(request, *request.libraries, parent).exec();
  return {};
}

}  // namespace recbook::ui
