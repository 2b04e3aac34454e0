#include "forms/ui/info_dialog_frame.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "rules/code_tables.h"
#include "ui/dialog_units.h"
#include "ui/window_texts.h"

namespace recbook::ui {

QString L1(std::string_view bytes) { return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())); }

InfoDialogFrame::InfoDialogFrame(std::string_view caption, std::string_view title, quorla::Language language,
                                 QWidget* parent)
    : QDialog(parent) {
  setModal(true);
  setFont(quorla::ui::DialogFont());
  setWindowTitle(Q(caption) + L1(title));
  auto* column = new QVBoxLayout(this);
  body_ = new QVBoxLayout;
  column->addLayout(body_);
  auto* buttons = new QHBoxLayout;
  ok_ = new QPushButton(Q(OkButton()(language)));
  ok_->setObjectName("ok");
  ok_->setDefault(true);
  cancel_ = new QPushButton(Q(CancelButton()(language)));
  cancel_->setObjectName("cancel");
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  column->addLayout(buttons);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

}  // namespace recbook::ui
