#include "forms/ui/altitude_dialog.h"

#include <QBoxLayout>
#include <QPushButton>

#include "forms/altitude_line.h"
#include "forms/info_dialog_texts.h"
#include "forms/record_form_presenter.h"
#include "ui/window_texts.h"

namespace recbook::ui {

AltitudeDialog::AltitudeDialog(const RecordFormPresenter& form, LibraryCalls& calls, QWidget* parent)
    : InfoDialogFrame(form.setup().caption, info_texts::kAltitudeTitle(form.setup().language), form.setup().language,
                      parent) {
  for (const quorla::BiText& line : info_texts::kAltitudeHelp) body()->addWidget(new QLabel(Q(line(form.setup().language))));
  altitude_ = new QLabel(Q(AltitudeLine(form, calls)));
  altitude_->setObjectName("altitude");
  QFont bold = font();
  bold.setBold(true);
  altitude_->setFont(bold);
  body()->addWidget(altitude_);
  connect(okButton(), &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace recbook::ui
