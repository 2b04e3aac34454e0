#include "forms/ui/viewer_help_dialog.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "forms/ui/designation_dialog.h"
#include "forms/ui/explanation_dialog.h"
#include "ui/dialog_units.h"
#include "ui/window_texts.h"

namespace recbook::ui {

ViewerHelpDialog::ViewerHelpDialog(quorla::Language language, std::string caption, const StationRecord& record,
                                   QWidget* parent)
    : InfoDialogFrame(caption, language, parent), language_(language), caption_(std::move(caption)), record_(record) {
  const ViewerHelpTexts& t = ViewerHelp();
  SetTitle(t.title(language));
  choices_ = new QButtonGroup(this);
  for (size_t k = 0; k < kViewerTableCount; ++k) {
    auto* option = new QRadioButton(L1(t.choices[k](language)));
    choices_->addButton(option, static_cast<int>(k));
    body()->addWidget(option);
  }
  choices_->button(0)->setChecked(true);
  okButton()->setText(Q(t.show(language)));
  cancelButton()->setText(Q(t.cancel(language)));
  disconnect(okButton(), nullptr, this, nullptr);
  connect(okButton(), &QPushButton::clicked, this, [this] { ShowChosen(); });
}

void ViewerHelpDialog::ShowChosen() {
  const auto table = static_cast<ViewerTable>(choices_->checkedId());
  const ViewerHelpShown shown = ViewerHelpFor(table, record_, language_, caption_);
  if (shown.codes) {
    ViewerTableDialog(caption_, language_, *shown.codes, this).exec();
  } else if (shown.info && shown.info->dialog == InfoDialog::DesignationBuilder) {
    DesignationDialog dialog(*shown.info, this);
    dialog.ReadOnly();
    dialog.exec();
  } else if (shown.info) {
    ExplanationDialog dialog(*shown.info, *ExplanationFor(shown.info->item, language_), this);
    dialog.HideOk();
    dialog.exec();
  }
}

ViewerTableDialog::ViewerTableDialog(std::string_view caption, quorla::Language language, const ViewerCodeTable& table,
                                     QWidget* parent)
    : InfoDialogFrame(caption, language, parent) {
  SetTitle(table.title(language));
  HideOk();
  lines_ = new QListWidget;
  lines_->setObjectName("lines");
  lines_->setFont(quorla::ui::ListFont());
  for (const CodeLine& line : table.lines) lines_->addItem(L1(line.line(language)));
  lines_->setMinimumWidth(lines_->sizeHintForColumn(0) + 2 * lines_->frameWidth() + 24);
  lines_->setMinimumHeight(lines_->sizeHintForRow(0) * std::min<int>(static_cast<int>(table.lines.size()) + 1, 16));
  if (table.highlighted) lines_->setCurrentRow(static_cast<int>(*table.highlighted));
  lines_->setSelectionMode(QAbstractItemView::NoSelection);  // read-only: the highlight stays
  body()->addWidget(lines_);
}

void ShowViewerHelp(quorla::Language language, std::string caption, const StationRecord& record, QWidget* parent) {
  ViewerHelpDialog(language, std::move(caption), record, parent).exec();
}

}  // namespace recbook::ui
