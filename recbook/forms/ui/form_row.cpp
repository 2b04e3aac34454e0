#include "forms/ui/form_row.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>

#include "ui/dialog_units.h"

namespace recbook::ui {

// The label's runs of five or more blanks are the places its boxes stand in; the pieces of text
// between them are shown as they are.
FormRow::FormRow(const QString& label, const std::vector<RowBox>& boxes, QWidget* parent) : QWidget(parent) {
  auto* line = new QHBoxLayout(this);
  line->setContentsMargins(0, 0, 0, 0);
  line->setSpacing(0);
  static const QRegularExpression kRun("     +");
  qsizetype from = 0;
  size_t next = 0;
  const auto addText = [&](const QString& text) {
    if (!text.isEmpty()) line->addWidget(new QLabel(text));
  };
  const auto addBox = [&] {
    const RowBox& b = boxes[next++];
    QLineEdit* edit = b.edit ? b.edit : new QLineEdit;
    edit->setObjectName(QString("box%1").arg(b.id));
    if (b.fixedFont) edit->setFont(quorla::ui::ListFont());
    edit->setFixedWidth(QFontMetrics(edit->font()).horizontalAdvance(QString(b.characters + 1, '0')) + 10);
    line->addSpacing(4);
    line->addWidget(edit);
    line->addSpacing(4);
    boxes_.push_back(edit);
  };
  for (auto it = kRun.globalMatch(label); it.hasNext() && next < boxes.size();) {
    const QRegularExpressionMatch m = it.next();
    addText(label.mid(from, m.capturedStart() - from));
    addBox();
    from = m.capturedEnd();
  }
  addText(label.mid(from));
  while (next < boxes.size()) addBox();
  line->addStretch();
}

void ShowRuled(QLineEdit* edit, const RuledText& r) {
  edit->setText(QString::fromLatin1(r.text.data(), static_cast<qsizetype>(r.text.size())));
  if (r.selectionStart == r.selectionEnd)
    edit->setCursorPosition(r.selectionStart);
  else
    edit->setSelection(r.selectionStart, r.selectionEnd - r.selectionStart);
}

void ConnectTyping(QLineEdit* edit, int id, const TypedHandler& typed) {
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, id, typed](const QString& text) {
    const QByteArray bytes = text.toLatin1();
    ShowRuled(edit, typed(id, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                          edit->cursorPosition()));
  });
}

}  // namespace recbook::ui
