#pragma once
// The header form ("  Header of file  ") without its widgets: the boxes of record 0, their input
// rules, " Clear", and the checks before the header is saved. The owner writes the checked header
// as record 0. Qt-free: the page is a HeaderFormView, messages go through the Host.
#include <functional>
#include <optional>
#include <string>

#include "forms/form_boxes.h"
#include "forms/header_form_view.h"
#include "forms/record_form_presenter.h"
#include "records/record_builder.h"

namespace recbook {

class HeaderFormPresenter {
 public:
  HeaderFormPresenter(quorla::Host& host, HeaderFormView& view, FormSetup setup);

  void SetOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

  // Shows record 0 as stored, unchanged.
  void Load(const HeaderRecord& header);
  // " Clear": the empty header (the record count stays, the program keeps it) and " Header cleared".
  void Clear();
  RuledText Typed(int box, std::string_view text, int caret);

  // The 219 characters of record 0 when the checks pass (the file number written with "00");
  // nullopt after the first failing check's message, with the focus on its box.
  std::optional<std::string> CheckedHeader();
  // The header was written: the form is unchanged.
  void Stored();

  const HeaderValues& values() const { return values_; }
  bool changed() const { return changed_; }

 private:
  void ShowAll();
  void SetChanged(bool changed);

  quorla::Host& host_;
  HeaderFormView& view_;
  FormSetup setup_;
  std::function<void()> onChange_;
  HeaderValues values_;
  bool changed_ = false;
};

}  // namespace recbook
