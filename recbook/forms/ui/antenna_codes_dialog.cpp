#include "forms/ui/antenna_codes_dialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "forms/antenna_editor_call.h"
#include "forms/info_dialog_texts.h"
#include "forms/record_form_presenter.h"
#include "ui/entry_application.h"
#include "ui/window_texts.h"

namespace recbook::ui {

AntennaCodesDialog::AntennaCodesDialog(RecordFormPresenter& form, LibraryCalls& calls, int fromBox, QWidget* parent)
    : InfoDialogFrame(form.setup().caption, info_texts::kAntennaCodesTitle(form.setup().language),
                      form.setup().language, parent) {
  const quorla::Language l = form.setup().language;
  for (const quorla::BiText& line : info_texts::kAntennaCodesHelp) body()->addWidget(new QLabel(Q(line(l))));
  editor_ = new QPushButton(Q(info_texts::kAntennaEditorButton(l)));
  auto* row = new QHBoxLayout;
  row->addWidget(editor_);
  row->addStretch();
  body()->addLayout(row);
  connect(okButton(), &QPushButton::clicked, this, &QDialog::accept);
  connect(editor_, &QPushButton::clicked, this, [this, &form, &calls, fromBox] {
    if (OpenAntennaEditor(form, calls, fromBox, quorla::ui::WindowHandle(this))) accept();
  });
}

}  // namespace recbook::ui
