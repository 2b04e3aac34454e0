#include "forms/record_form_presenter.h"

#include "entry/geo_entry_box.h"
#include "forms/form_texts.h"
#include "listing/tagging.h"
#include "records/record_text.h"

namespace recbook {

RecordFormPresenter::RecordFormPresenter(quorla::Host& host, RecordFormView& view, FormSetup setup)
    : host_(host), view_(view), setup_(std::move(setup)) {}

void RecordFormPresenter::Load(const StationRecord& record, uint32_t number) {
  texts_ = BoxTextsOf(record);
  number_ = number;
  isNew_ = false;
  ShowAll();
  SetChanged(false);
}

void RecordFormPresenter::LoadNew(uint32_t number) {
  texts_ = NewRecordBoxTexts(host_.Now());
  number_ = number;
  isNew_ = true;
  ShowAll();
  SetChanged(false);
  view_.FocusBox(kFirstBox, 0, static_cast<int>(BoxText(texts_, kFirstBox).size()));
}

void RecordFormPresenter::LoadDefaults() {
  texts_ = NewRecordBoxTexts(host_.Now());
  ShowAll();
  SetChanged(true);
}

void RecordFormPresenter::ShowAll() {
  for (const RecordBox& box : kRecordBoxes) view_.ShowBoxText(box.id, BoxText(texts_, box.id));
  ShowNumber();
}

void RecordFormPresenter::ShowNumber() {
  const quorla::BiText& label = isNew_ ? form_texts::kNewRecNo : form_texts::kRecNo;
  view_.ShowRecordNumber(std::string(label(setup_.language)) + NumberText(number_), isNew_);
}

void RecordFormPresenter::SetChanged(bool changed) {
  changed_ = changed;
  view_.ShowChanged(changed);
  if (changed && onChange_) onChange_();
}

RuledText RecordFormPresenter::Typed(int box, std::string_view text, int caret) {
  const RecordBox* spec = RecordBoxOf(box);
  if (!spec) return {std::string(text), caret, caret};
  if (setup_.readOnly) return {BoxText(texts_, box), caret, caret};  // the shown text stays
  RuledText r;
  if (spec->rule.kind == RuleKind::Geo) {
    const auto kind = box == kLongitudeBox ? quorla::GeoKind::Longitude : quorla::GeoKind::Latitude;
    const terrainmap::BoxEdit e = terrainmap::NormaliseGeoBox(kind, false, text, caret, setup_.geo);
    r = {e.text, e.selectionStart, e.selectionEnd};
  } else {
    r = ApplyInputRule(spec->rule, text, caret);
  }
  BoxText(texts_, box) = r.text;
  SetChanged(true);
  return r;
}

StationRecord RecordFormPresenter::Record() const { return BuildStationRecord(StationValuesOf(texts_)); }

// "NN,LL": box NN, its first LL characters selected (the six-character band marks end in "012").
void RecordFormPresenter::FocusMark(std::string_view mark) {
  const int box = static_cast<int>(LenientNumber(mark.substr(0, 2)));
  const int length = static_cast<int>(LenientNumber(mark.substr(mark.size() - 2)));
  if (!RecordBoxOf(box)) return;
  view_.FocusBox(box, 0, length);
}

std::optional<StationRecord> RecordFormPresenter::CheckedRecord(ErrorSearchMode mode) {
  const StationRecord record = Record();
  const CheckResult result = CheckRecord(record, mode, {host_, setup_.language, setup_.caption});
  if (result.ok()) return record;
  FocusMark(result.mark);
  return std::nullopt;
}

void RecordFormPresenter::Stored(uint32_t number) {
  number_ = number;
  isNew_ = false;
  ShowNumber();
  SetChanged(false);
}

void RecordFormPresenter::Focused(int box) {
  if (!RecordBoxOf(box)) return;
  focused_ = box;
  const std::optional<InfoButton> button = InfoButtonFor(RecordBoxOf(box)->item);
  if (!button) {
    view_.ShowInfoButton({}, std::nullopt);
    return;
  }
  view_.ShowInfoButton(std::string(button->caption(setup_.language)), button->dialog);
}

std::optional<InfoRequest> RecordFormPresenter::Info() const {
  std::optional<InfoRequest> request = InfoRequestFor(focused_, setup_.language, setup_.caption, texts_);
  if (request) request->libraries = setup_.libraries;
  return request;
}

void RecordFormPresenter::Apply(const BoxWrites& writes) {
  if (setup_.readOnly) return;  // the viewer's Info dialogs explain; their OK writes nothing
  bool changed = false;
  for (const BoxWrite& w : writes) {
    if (!RecordBoxOf(w.box) || BoxText(texts_, w.box) == w.text) continue;
    BoxText(texts_, w.box) = w.text;
    view_.ShowBoxText(w.box, w.text);
    changed = true;
  }
  if (changed) SetChanged(true);
}

void RecordFormPresenter::FindError(ErrorSearchMode mode) {
  if (!CheckedRecord(mode)) return;
  host_.Message(form_texts::kNoErrors(setup_.language),
                setup_.caption + std::string(form_texts::kNoErrorTitle(setup_.language)), quorla::Buttons::Ok,
                quorla::Icon::Information);
}

}  // namespace recbook
