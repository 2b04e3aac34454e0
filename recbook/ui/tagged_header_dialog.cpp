#include "ui/tagged_header_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "editor/tagged_header_check.h"
#include "ui/dialog_units.h"
#include "ui/window_texts.h"

namespace recbook::ui {
namespace {

struct FieldRow {
  quorla::BiText label;
  quorla::BiText note;
  int width;  // characters
};

constexpr FieldRow kRows[] = {
    {{"File  number:                ...  0 - 99:  ", "Číslo  souboru:                ...  0 - 99:  "},
     {"file identifier in common data carrier  (CD, compresed file, ...)",
      "identifikátor souboru na společném nosiči  (CD, komprimovaný soubor, ...)"},
     2},
    {{"Description  of  file  contents:", "Popis  obsahu  souboru:"}, {"", ""}, 80},
    {{"File  contents  code:            ...  O = overall list,  N = new entries,  M = modifications,  D = deletions,",
      "Kód  obsahu  souboru:            ...  O = celý seznam,  N = nové záznamy,  M = změny,  D = zrušení,"},
     {"A = answer", "A = odpověď"},
     1},
    {{"Country:", "Stát:"}, {"", ""}, 3},
    {{"Name of respons. person:", "Jméno odpovědné osoby:"}, {"", ""}, 40},
    {{"Phone: ...........", "Telefon: ..........."}, {"", ""}, 20},
    {{"Telefax: ..........", "Telefax: .........."}, {"", ""}, 20},
    {{"Telex / E- mail:", "Telex / E- mail:"}, {"", ""}, 20},
    {{"Number of records in file:                      ...  program edits itself",
      "Počet rekordů v souboru:                      ...  program doplní sám"},
     {"", ""},
     6},
    {{"Writing date: .............", "Datum zápisu: ............."}, {"", ""}, 10},
};

}  // namespace

TaggedHeaderDialog::TaggedHeaderDialog(quorla::Host& host, quorla::Language language, std::string caption,
                                       const std::string& title, const HeaderValues& initial,
                                       const std::string& todayNote, QWidget* parent)
    : QDialog(parent), host_(host), language_(language), caption_(std::move(caption)), values_(initial) {
  setWindowTitle(Q(title));
  setFont(quorla::ui::DialogFont());
  const quorla::ui::DialogUnits du(font());
  resize(du.X(362), du.Y(194));
  auto* grid = new QGridLayout(this);
  const std::string* texts[] = {&initial.fileNumber, &initial.description, &initial.contentsCode, &initial.country,
                                &initial.person,     &initial.phone,       &initial.telefax,      &initial.telex,
                                &initial.recordCount, &initial.writingDate};
  int line = 0;
  for (size_t i = 0; i < fields_.size(); ++i) {
    const FieldRow& row = kRows[i];
    grid->addWidget(new QLabel(Q(row.label(language))), line++, 0, 1, 2);
    auto* edit = new QLineEdit(QString::fromLatin1(texts[i]->data(), static_cast<qsizetype>(texts[i]->size())).trimmed());
    edit->setMaxLength(row.width);
    edit->setFixedWidth(du.X(std::min(row.width, 60) * 4 + 8));
    fields_[i] = edit;
    grid->addWidget(edit, line, 0);
    if (!row.note(language).empty()) grid->addWidget(new QLabel(Q(row.note(language))), line, 1);
    if (i == 9) grid->addWidget(new QLabel(Q(todayNote)), line, 1);
    ++line;
  }
  fields_[8]->setReadOnly(true);  // the program writes the number of records itself
  auto* ok = new QPushButton("&OK");
  auto* cancel = new QPushButton(Q(language == quorla::Language::English ? "&Cancel" : "&Zrušit"));
  ok->setDefault(true);
  grid->addWidget(ok, line, 0, Qt::AlignLeft);
  grid->addWidget(cancel, line, 1, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, [this] { Confirm(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

HeaderValues TaggedHeaderDialog::Values() const {
  HeaderValues v = values_;
  const auto text = [this](size_t i) { return fields_[i]->text().toLatin1().toStdString(); };
  v.fileNumber = text(0);
  v.description = text(1);
  v.contentsCode = text(2);
  v.country = text(3);
  v.person = text(4);
  v.phone = text(5);
  v.telefax = text(6);
  v.telex = text(7);
  v.writingDate = text(9);
  return v;
}

void TaggedHeaderDialog::Confirm() {
  const HeaderValues v = Values();
  if (const std::optional<HeaderFault> fault = CheckHeaderValues(v, language_)) {
    host_.Message(fault->message, caption_ + (language_ == quorla::Language::English ? " Error" : " Chyba"),
                  quorla::Buttons::Ok, quorla::Icon::Error);
    fields_[static_cast<size_t>(fault->field)]->setFocus();
    return;
  }
  values_ = v;
  accept();
}

std::optional<HeaderValues> TaggedHeaderDialog::Ask() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  return values_;
}

}  // namespace recbook::ui
