#include "forms/ui/info_dialog_frame.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "rules/code_tables.h"
#include "ui/dialog_units.h"
#include "ui/window_texts.h"

namespace recbook::ui {

InfoDialogFrame::InfoDialogFrame(std::string_view caption, std::string_view title, quorla::Language language,
                                 QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(Q(std::string(caption) + std::string(title)));
  setFont(quorla::ui::DialogFont());
  setModal(true);
  const quorla::ui::DialogUnits du(font());
  auto* column = new QVBoxLayout(this);
  body_ = new QVBoxLayout;
  body_->setSpacing(du.Y(3));
  column->addLayout(body_);
  column->addSpacing(du.Y(4));
  auto* row = new QHBoxLayout;
  ok_ = new QPushButton(Q(OkButton()(language)));
  cancel_ = new QPushButton(Q(CancelButton()(language)));
  ok_->setDefault(true);
  row->addWidget(ok_);
  row->addStretch();
  row->addWidget(cancel_);
  column->addLayout(row);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace recbook::ui
