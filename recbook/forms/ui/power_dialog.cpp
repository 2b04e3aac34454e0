#include "forms/ui/power_dialog.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGridLayout>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "forms/info_dialog_texts.h"
#include "ui/qt_host.h"
#include "ui/dialog_units.h"
#include "ui/window_texts.h"

namespace recbook::ui {
namespace {

// A number box: digits and one point, a leading minus where allowed.
QLineEdit* NumberBox(bool minus, const quorla::ui::DialogUnits& du) {
  auto* edit = new QLineEdit;
  const QString pattern = QString(minus ? "-?" : "") + "\\d{0,7}(\\.\\d{0,3})?";
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
  edit->setFixedWidth(du.X(48));
  return edit;
}

QRadioButton* Option(const quorla::BiText& text, quorla::Language language, const char* name) {
  auto* option = new QRadioButton(Q(text(language)));
  option->setObjectName(name);
  return option;
}

}  // namespace

PowerDialog::PowerDialog(quorla::Host& host, const InfoRequest& request, QWidget* parent)
    : InfoDialogFrame(request, parent) {
  SetTitle(info_texts::kPowerTitle(request.language));
  const quorla::ui::DialogUnits du(font());
  const quorla::Language l = request.language;
  power_ = NumberBox(false, du);
  gain_ = NumberBox(true, du);
  loss_ = NumberBox(true, du);
  auto* watts = Option(info_texts::kWatts, l, "watts");
  milliwatts_ = Option(info_texts::kMilliwatts, l, "milliwatts");
  auto* dipole = Option(info_texts::kDipole, l, "dipole");
  isotropic_ = Option(info_texts::kIsotropic, l, "isotropic");
  for (auto [a, b] : {std::pair{watts, milliwatts_}, std::pair{dipole, isotropic_}}) {
    auto* group = new QButtonGroup(this);
    group->addButton(a);
    group->addButton(b);
  }
  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(Q(info_texts::kPowerLabel(l))), 0, 0);
  grid->addWidget(power_, 0, 1);
  grid->addWidget(watts, 0, 2);
  grid->addWidget(milliwatts_, 0, 3);
  grid->addWidget(new QLabel(Q(info_texts::kGainLabel(l))), 1, 0);
  grid->addWidget(gain_, 1, 1);
  grid->addWidget(dipole, 1, 2);
  grid->addWidget(isotropic_, 1, 3);
  grid->addWidget(new QLabel(Q(info_texts::kLossLabel(l))), 2, 0);
  grid->addWidget(loss_, 2, 1);
  body()->addLayout(grid);
  result_ = new QLabel;
  result_->setObjectName("result");
  QFont bold = font();
  bold.setBold(true);
  result_->setFont(bold);
  body()->addWidget(result_);
  body()->addWidget(new QLabel(Q(info_texts::kPowerNote(l))));

  presenter_ = std::make_unique<PowerDialogPresenter>(host, request, *this);
  watts->setChecked(true);
  (presenter_->isotropic() ? isotropic_ : dipole)->setChecked(true);
  gain_->setText("0");
  loss_->setText("0");
  const auto number = [](QLineEdit* edit) { return edit->text().toStdString(); };
  connect(power_, &QLineEdit::textChanged, this, [this, number] { presenter_->SetPower(number(power_)); });
  connect(gain_, &QLineEdit::textChanged, this, [this, number] { presenter_->SetGain(number(gain_)); });
  connect(loss_, &QLineEdit::textChanged, this, [this, number] { presenter_->SetLoss(number(loss_)); });
  connect(milliwatts_, &QRadioButton::toggled, this, [this](bool on) { presenter_->SetMilliwatts(on); });
  connect(isotropic_, &QRadioButton::toggled, this, [this](bool on) { presenter_->SetIsotropic(on); });
  disconnect(okButton(), &QPushButton::clicked, this, &QDialog::accept);  // without a result it stays
  connect(okButton(), &QPushButton::clicked, this, [this] {
    if (std::optional<BoxWrites> writes = presenter_->Ok()) {
      writes_ = std::move(*writes);
      accept();
    }
  });
  power_->setFocus();
}

void PowerDialog::ShowResult(const std::string& name, const std::string& value, const std::string& remark) {
  result_->setText(Q(name + " =  " + value + remark));
}

BoxWrites OpenPowerCalculator(const InfoRequest& request, QWidget* parent) {
  quorla::QtHost host(parent);
  PowerDialog dialog(host, request, parent);
  dialog.exec();
  return dialog.writes();
}

}  // namespace recbook::ui
