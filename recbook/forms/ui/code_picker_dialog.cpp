#include "forms/ui/code_picker_dialog.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include "ui/dialog_units.h"

namespace recbook::ui {
namespace {

QLabel* Note(const std::string& text) {
  auto* label = new QLabel(L1(text));
  label->setObjectName("note");
  return label;
}

}  // namespace

CodePickerDialog::CodePickerDialog(const InfoRequest& request, QWidget* parent)
    : InfoDialogFrame(request, parent), presenter_(request, *this) {
  const PickerLayout& l = presenter_.layout();
  SetTitle(l.title);
  if (l.shape == PickerShape::ListBox) {
    list_ = new QListWidget;
    list_->setObjectName("lines");
    list_->setFont(quorla::ui::ListFont());
    for (const std::string& line : l.lines) list_->addItem(L1(line));
    list_->setMinimumWidth(list_->sizeHintForColumn(0) + 2 * list_->frameWidth() + 24);
    list_->setMinimumHeight(list_->sizeHintForRow(0) * std::min<int>(static_cast<int>(l.lines.size()), 16));
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
      if (row >= 0) presenter_.Choose(static_cast<size_t>(row));
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    body()->addWidget(list_);
  } else {
    buttons_ = new QButtonGroup(this);
    if (l.shape == PickerShape::TwoButtons) body()->addWidget(Note(l.wrongCode));
    for (size_t k = l.shape == PickerShape::TwoButtons ? 1 : 0; k < l.lines.size(); ++k) {
      auto* option = new QRadioButton(L1(l.lines[k]));
      buttons_->addButton(option, static_cast<int>(k));
      body()->addWidget(option);
      if (!l.details[k].empty()) body()->addWidget(Note("      " + l.details[k]));
    }
    connect(buttons_, &QButtonGroup::idClicked, this, [this](int id) { presenter_.Choose(static_cast<size_t>(id)); });
  }
  for (const std::string* help : {&l.linkLine, &l.moreInfo})
    if (!help->empty()) body()->addWidget(Note(*help));
  presenter_.Open();
}

void CodePickerDialog::SelectLine(size_t line) {
  const int row = static_cast<int>(line);
  if (list_) {
    list_->setCurrentRow(row);
    return;
  }
  if (QAbstractButton* b = buttons_->button(row)) {
    b->setChecked(true);
    return;
  }
  buttons_->setExclusive(false);  // no button checked: a wrong code in a two-button picker
  for (QAbstractButton* b : buttons_->buttons()) b->setChecked(false);
  buttons_->setExclusive(true);
}

BoxWrites OpenCodePicker(const InfoRequest& request, QWidget* parent) {
  CodePickerDialog dialog(request, parent);
  return dialog.exec() == QDialog::Accepted ? dialog.presenter().Ok() : BoxWrites{};
}

}  // namespace recbook::ui
