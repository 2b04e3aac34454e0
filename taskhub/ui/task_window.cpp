#include "ui/task_window.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "task_window_presenter.h"
#include "ui/dialog_units.h"
#include "ui/qt_text.h"

// The resources live in a static library: registered by hand, from outside any namespace.
static void InitTaskhubResources() { Q_INIT_RESOURCE(taskhub); }

namespace taskhub {

using quorla::ui::Q;

TaskWindow::TaskWindow() {
  InitTaskhubResources();
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setWindowIcon(QIcon(":/taskhub/qrl4.png"));
  setFont(quorla::ui::DialogFont());
  const quorla::ui::DialogUnits du(font());
  setFixedSize(du.X(153), du.Y(99));

  group_ = new QGroupBox(this);
  group_->setGeometry(du.Rect(9, 4, 132, 53));
  for (int id = kMapOption; id <= kAntennaOption; ++id) {
    auto* option = new QRadioButton(this);
    option->setGeometry(du.Rect(15, 16 + 13 * (id - kMapOption), 114, 11));
    buttons_[id] = option;
  }
  flag_ = new QPushButton(this);
  flag_->setGeometry(du.Rect(9, 64, 15, 13));
  flag_->setIconSize(flag_->size() - QSize(4, 4));
  buttons_[kFlagButton] = flag_;
  constexpr struct { int id, x, width; } kButtons[] = {{kInternetButton, 32, 44}, {kOk, 83, 20}, {kCancel, 110, 31}};
  for (const auto& b : kButtons) {
    auto* button = new QPushButton(this);
    button->setGeometry(du.Rect(b.x, 64, b.width, 13));
    button->setAutoDefault(false);
    buttons_[b.id] = button;
  }
  static_cast<QPushButton*>(buttons_[kOk])->setDefault(true);
  for (const auto& [id, button] : buttons_)
    if (id < kMapOption) connect(button, &QAbstractButton::clicked, this, [this, id = id] { Forward(id); });

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TaskWindow::SetTitle(std::string_view text) { setWindowTitle(Q(text)); }

void TaskWindow::SetControlText(int id, std::string_view text) {
  if (id == kGroupFrame) group_->setTitle(Q(text));
  else if (const auto it = buttons_.find(id); it != buttons_.end()) it->second->setText(Q(text));
}

void TaskWindow::SetFlag(std::string_view name) { flag_->setIcon(QIcon(":/taskhub/" + Q(name) + ".png")); }

void TaskWindow::CheckOption(int id) {
  if (const auto it = buttons_.find(id); it != buttons_.end() && id >= kMapOption) it->second->setChecked(true);
}

int TaskWindow::CheckedOption() const {
  for (int id = kMapOption; id <= kAntennaOption; ++id)
    if (buttons_.at(id)->isChecked()) return id;
  return 0;
}

void TaskWindow::reject() { Forward(kCancel); }

void TaskWindow::Forward(int id) {
  if (presenter_) presenter_->OnControl(id);
  else QDialog::reject();
}

}  // namespace taskhub
