#pragma once
// The header dialog of "Save  taged records  As file": the header fields, filled from the edited
// file's header with contents code "M" and the tagged count; OK checks them (a fault is told and
// its field gets the focus), Cancel ends the save.
#include <QDialog>
#include <QLineEdit>
#include <array>
#include <optional>
#include <string>

#include "bilingual_texts.h"
#include "host.h"
#include "records/record_builder.h"

namespace recbook::ui {

class TaggedHeaderDialog : public QDialog {
 public:
  TaggedHeaderDialog(quorla::Host& host, quorla::Language language, std::string caption, const std::string& title,
                     const HeaderValues& initial, const std::string& todayNote, QWidget* parent);

  // Runs the dialog: the confirmed values, or nullopt on Cancel.
  std::optional<HeaderValues> Ask();

 private:
  void Confirm();
  HeaderValues Values() const;

  quorla::Host& host_;
  quorla::Language language_;
  std::string caption_;
  HeaderValues values_;
  // File number, description, contents code, country, person, phone, telefax, telex, count, date.
  std::array<QLineEdit*, 10> fields_{};
};

}  // namespace recbook::ui
