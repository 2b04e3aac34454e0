#include "forms/code_picker_presenter.h"

#include "rules/code_pickers.h"

namespace recbook {
namespace {

PickerLayout LayoutOf(const CodeList& list, quorla::Language language) {
  const bool twoButtons = list.match == OpenMatch::CheckedButton;
  const bool listBox = InfoButtonFor(list.item)->dialog == InfoDialog::ListPicker;
  PickerLayout l{std::string(list.title(language)),
                 twoButtons ? PickerShape::TwoButtons : listBox ? PickerShape::ListBox : PickerShape::OptionButtons,
                 {},
                 {},
                 twoButtons ? std::string(OptionPickerWrongCode()(language)) : std::string(),
                 std::string(list.linkLine(language)),
                 std::string(list.moreInfo(language))};
  l.lines.emplace_back(twoButtons ? std::string_view() : list.firstLine(language));
  l.details.emplace_back();
  for (const CodeLine& line : list.lines) {
    l.lines.emplace_back(line.line(language));
    l.details.emplace_back(list.item == Item::k10Z && line.code == "0" ? ChannelOccupationZeroDetail()(language)
                                                                       : std::string_view());
  }
  return l;
}

}  // namespace

CodePickerPresenter::CodePickerPresenter(const InfoRequest& request, CodePickerView& view)
    : request_(request),
      view_(view),
      list_(*CodeListOf(request.item)),
      layout_(LayoutOf(list_, request.language)),
      selected_(PickerOpenLine(list_, request_.Text(request_.item))) {}

void CodePickerPresenter::Choose(size_t line) {
  if (line < layout_.lines.size()) selected_ = line;
}

BoxWrites CodePickerPresenter::Ok() const {
  const std::optional<std::string> code = PickerResult(list_, selected_, request_.language);
  if (!code) return {};
  return {{request_.box, *code}};
}

}  // namespace recbook
