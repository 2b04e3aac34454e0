#include "forms/ui/frequency_dialog.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>

#include "forms/ui/form_row.h"
#include "ui/dialog_units.h"

namespace recbook::ui {

FrequencyDialog::FrequencyDialog(const InfoRequest& request, QWidget* parent)
    : InfoDialogFrame(request, parent), presenter_(request, *this) {
  const FrequencyLayout& l = presenter_.layout();
  SetTitle(l.title);
  body()->addWidget(new QLabel(L1(l.heading)));
  bands_ = new QButtonGroup(this);
  const auto bands = FrequencyBands();
  std::string_view group;
  for (size_t k = 0; k < bands.size(); ++k) {
    const std::string_view g = bands[k].group(request.language);
    if (!g.empty() && g != group) body()->addWidget(new QLabel(L1(g)));
    group = g;
    auto* option = new QRadioButton(L1(bands[k].line(request.language)));
    option->setFont(quorla::ui::ListFont());
    bands_->addButton(option, static_cast<int>(k));
    body()->addWidget(option);
  }
  connect(bands_, &QButtonGroup::idClicked, this, [this](int id) { presenter_.ChooseBand(static_cast<size_t>(id)); });
  auto* row = new FormRow(L1(l.entryLabel), {{request.box, 11, true}});
  entry_ = row->box(0);
  entry_->setObjectName("frequency");
  ConnectTyping(entry_, request.box, [this](int, std::string_view text, int caret) { return presenter_.Typed(text, caret); });
  body()->addWidget(row);
  if (!l.rxNote.empty()) body()->addWidget(new QLabel(L1(l.rxNote)));
  status_ = new QLabel;
  status_->setObjectName("status");
  status_->setStyleSheet("color: rgb(200, 0, 0);");
  body()->addWidget(status_);
  presenter_.Open();
  entry_->setFocus(Qt::OtherFocusReason);
}

void FrequencyDialog::ShowEntry(const std::string& text) { entry_->setText(L1(text)); }

void FrequencyDialog::SelectBand(std::optional<size_t> band) {
  if (band) {
    bands_->button(static_cast<int>(*band))->setChecked(true);
    return;
  }
  bands_->setExclusive(false);
  for (QAbstractButton* b : bands_->buttons()) b->setChecked(false);
  bands_->setExclusive(true);
}

void FrequencyDialog::ShowStatus(const std::string& text) { status_->setText(L1(text)); }

BoxWrites OpenFrequencyDialog(const InfoRequest& request, QWidget* parent) {
  FrequencyDialog dialog(request, parent);
  return dialog.exec() == QDialog::Accepted ? dialog.presenter().Ok() : BoxWrites{};
}

}  // namespace recbook::ui
