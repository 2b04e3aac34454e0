#include "forms/ui/antenna_codes_dialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "forms/antenna_editor_call.h"
#include "forms/info_dialog_texts.h"
#include "ui/entry_application.h"
#include "ui/window_texts.h"

namespace recbook::ui {

AntennaCodesDialog::AntennaCodesDialog(const InfoRequest& request, LibraryCalls& calls, QWidget* parent)
    : InfoDialogFrame(request, parent) {
  SetTitle(info_texts::kAntennaCodesTitle(request.language));
  for (const quorla::BiText& line : info_texts::kAntennaCodesHelp) body()->addWidget(new QLabel(Q(line(request.language))));
  editor_ = new QPushButton(Q(info_texts::kAntennaEditorButton(request.language)));
  auto* row = new QHBoxLayout;
  row->addWidget(editor_);
  row->addStretch();
  body()->addLayout(row);
  connect(editor_, &QPushButton::clicked, this, [this, request, &calls] {
    if (std::optional<BoxWrites> writes = CallAntennaEditor(request, calls, quorla::ui::WindowHandle(this))) {
      writes_ = std::move(*writes);
      accept();
    }
  });
}

BoxWrites OpenAntennaCodes(const InfoRequest& request, QWidget* parent) {
  if (!request.libraries) return {};
  AntennaCodesDialog dialog(request, *request.libraries, parent);
  dialog.exec();
  return dialog.writes();
}

BoxWrites OpenAntennaEditor(const InfoRequest& request, QWidget* parent) {
  if (!request.libraries) return {};
  const uint32_t owner = quorla::ui::WindowHandle(parent ? parent->window() : nullptr);
  return CallAntennaEditor(request, *request.libraries, owner).value_or(BoxWrites{});
}

}  // namespace recbook::ui
