#include "forms/ui/designation_dialog.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>

#include "forms/ui/form_row.h"
#include "ui/dialog_units.h"

namespace recbook::ui {

DesignationDialog::DesignationDialog(const InfoRequest& request, QWidget* parent)
    : InfoDialogFrame(request, parent), presenter_(request, *this) {
  const DesignationTexts& t = DesignationDialogTexts();
  const quorla::Language language = request.language;
  SetTitle(t.title(language));
  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel(L1(t.heading(language))));
  edit_ = new QLineEdit;
  edit_->setObjectName("designation");
  edit_->setFont(quorla::ui::ListFont());
  edit_->setFixedWidth(edit_->fontMetrics().horizontalAdvance(QString(12, 'W')));
  ConnectTyping(edit_, request.box, [this](int, std::string_view text, int caret) { return presenter_.Typed(text, caret); });
  top->addWidget(edit_);
  top->addStretch();
  body()->addLayout(top);
  // Two lists a row: the bandwidth under its column heading beside the modulation, then n and t,
  // then the optional d and p.
  auto* lists = new QGridLayout;
  lists->addWidget(new QLabel(L1(t.columns(language))), 0, 0);
  for (const DesignationList& d : DesignationLists()) {
    auto* list = new QListWidget;
    list->setFont(quorla::ui::ListFont());
    for (const CodeLine& line : d.lines) list->addItem(L1(line.line(language)));
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() + 24);
    list->setMinimumHeight(list->sizeHintForRow(0) * 9);
    connect(list, &QListWidget::currentRowChanged, this, [this, part = d.part](int row) {
      if (row >= 0) presenter_.Choose(part, static_cast<size_t>(row));
    });
    const int k = static_cast<int>(d.part);
    lists_[static_cast<size_t>(k)] = list;
    lists->addWidget(list, 1 + k / 2, k % 2);
  }
  body()->addLayout(lists);
  body()->addWidget(new QLabel(L1(t.optionalItems(language))));
  body()->addWidget(new QLabel(L1(t.reference(language))));
  presenter_.Open();
  edit_->setFocus(Qt::OtherFocusReason);
}

void DesignationDialog::ShowDesignation(const std::string& text) { edit_->setText(L1(text)); }

// The lists follow the edit box without telling the presenter back.
void DesignationDialog::SelectLines(const DesignationSelection& lines) {
  for (size_t k = 0; k < kDesignationPartCount; ++k) {
    const QSignalBlocker quiet(lists_[k]);
    lists_[k]->setCurrentRow(lines[k] ? static_cast<int>(*lines[k]) : -1);
    if (lines[k]) lists_[k]->scrollToItem(lists_[k]->currentItem());
  }
}

void DesignationDialog::ReadOnly() {
  HideOk();
  edit_->setReadOnly(true);
  for (QListWidget* list : lists_) list->setEnabled(false);
}

BoxWrites OpenDesignationBuilder(const InfoRequest& request, QWidget* parent) {
  DesignationDialog dialog(request, parent);
  return dialog.exec() == QDialog::Accepted ? dialog.presenter().Ok() : BoxWrites{};
}

}  // namespace recbook::ui
