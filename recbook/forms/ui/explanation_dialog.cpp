#include "forms/ui/explanation_dialog.h"

#include <QBoxLayout>
#include <QLabel>

#include "ui/dialog_units.h"

namespace recbook::ui {

ExplanationDialog::ExplanationDialog(const InfoRequest& request, const Explanation& explanation, QWidget* parent)
    : InfoDialogFrame(request, parent) {
  SetTitle(explanation.title);
  QStringList lines;
  for (const std::string& line : explanation.lines) lines << L1(line);
  auto* text = new QLabel(lines.join('\n'));
  text->setObjectName("explanation");
  text->setFont(quorla::ui::ListFont());
  text->setTextInteractionFlags(Qt::TextSelectableByMouse);
  body()->addWidget(text);
}

BoxWrites OpenExplanation(const InfoRequest& request, QWidget* parent) {
  const std::optional<Explanation> explanation = ExplanationFor(request.item, request.language);
  if (!explanation) return {};
  ExplanationDialog dialog(request, *explanation, parent);
  dialog.exec();
  return {};
}

}  // namespace recbook::ui
