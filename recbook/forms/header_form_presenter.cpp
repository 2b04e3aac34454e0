#include "forms/header_form_presenter.h"

#include "forms/form_texts.h"
#include "forms/header_check.h"
#include "listing/tagged_file.h"

namespace recbook {
namespace {

std::string& Field(HeaderValues& v, HeaderItem item) {
  switch (item) {
    case HeaderItem::kFileNumber: return v.fileNumber;
    case HeaderItem::kDescription: return v.description;
    case HeaderItem::kContentsCode: return v.contentsCode;
    case HeaderItem::kCountry: return v.country;
    case HeaderItem::kPerson: return v.person;
    case HeaderItem::kPhone: return v.phone;
    case HeaderItem::kTelefax: return v.telefax;
    case HeaderItem::kTelex: return v.telex;
    case HeaderItem::kCount: return v.recordCount;
    default: return v.writingDate;
  }
}

const HeaderBox* HeaderBoxOf(int id) {
  if (id < kFirstBox || id >= kFirstBox + static_cast<int>(kHeaderBoxCount)) return nullptr;
  return &kHeaderBoxes[static_cast<size_t>(id - kFirstBox)];
}

std::string TrimRight(std::string s) {
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

}  // namespace

HeaderFormPresenter::HeaderFormPresenter(quorla::Host& host, HeaderFormView& view, FormSetup setup)
    : host_(host), view_(view), setup_(std::move(setup)) {}

void HeaderFormPresenter::Load(const HeaderRecord& header) {
  values_ = HeaderValuesOf(header);
  for (const HeaderBox& box : kHeaderBoxes) {
    std::string& text = Field(values_, box.item);
    text = TrimRight(text);
  }
  ShowAll();
  view_.ShowStatus("");
  SetChanged(false);
}

void HeaderFormPresenter::Clear() {
  HeaderValues empty;
  empty.recordCount = values_.recordCount;
  values_ = empty;
  ShowAll();
  view_.ShowStatus(std::string(form_texts::kHeaderCleared(setup_.language)));
  SetChanged(true);
}

void HeaderFormPresenter::ShowAll() {
  for (const HeaderBox& box : kHeaderBoxes) view_.ShowBoxText(box.id, Field(values_, box.item));
}

void HeaderFormPresenter::SetChanged(bool changed) {
  changed_ = changed;
  view_.ShowChanged(changed);
  if (changed && onChange_) onChange_();
}

RuledText HeaderFormPresenter::Typed(int box, std::string_view text, int caret) {
  const HeaderBox* spec = HeaderBoxOf(box);
  if (!spec || spec->rule.kind == RuleKind::Fixed) {  // the record count is the program's
    std::string kept = spec ? Field(values_, spec->item) : std::string(text);
    const int end = static_cast<int>(kept.size());
    return {std::move(kept), end, end};
  }
  RuledText r = ApplyInputRule(spec->rule, text, caret);
  Field(values_, spec->item) = r.text;
  SetChanged(true);
  return r;
}

std::optional<std::string> HeaderFormPresenter::CheckedHeader() {
  if (const std::optional<HeaderFault> fault = CheckHeaderValues(values_, setup_.language)) {
    host_.Message(fault->message, setup_.caption + std::string(form_texts::kErrorTitle(setup_.language)),
                  quorla::Buttons::Ok, quorla::Icon::Error);
    const HeaderBox& box = kHeaderBoxes[static_cast<size_t>(fault->field)];
    view_.FocusBox(box.id, 0, static_cast<int>(Field(values_, box.item).size()));
    return std::nullopt;
  }
  return HeaderRecordText(values_);
}

void HeaderFormPresenter::Stored() { SetChanged(false); }

}  // namespace recbook
