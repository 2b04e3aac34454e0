#include "forms/ui/info_dialog_frame.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "rules/code_tables.h"
#include "ui/dialog_units.h"
#include "ui/window_texts.h"

namespace recbook::ui {

QString L1(std::string_view bytes) { return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())); }

InfoDialogFrame::InfoDialogFrame(const InfoRequest& request, QWidget* parent)
    : InfoDialogFrame(request.caption, request.language, parent) {}

InfoDialogFrame::InfoDialogFrame(std::string_view caption, quorla::Language language, QWidget* parent)
    : QDialog(parent), caption_(Q(caption)) {
  setModal(true);
  setFont(quorla::ui::DialogFont());
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

void InfoDialogFrame::HideOk() {
  ok_->hide();
  cancel_->setDefault(true);
}

// Wide enough for the title in a bold title bar beside its buttons.
void InfoDialogFrame::SetTitle(std::string_view title) {
  setWindowTitle(caption_ + L1(title));
  QFont bold = font();
  bold.setBold(true);
  setMinimumWidth(QFontMetrics(bold).horizontalAdvance(windowTitle()) * 5 / 4 + 140);  // title bar fonts run larger
}

}  // namespace recbook::ui
