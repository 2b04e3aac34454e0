#include "antenna_editor_presenter.h"

#include "angle_box.h"
#include "antenna_code.h"
#include "editor_texts.h"
#include "page_drawing.h"

namespace radpattern {
namespace {

size_t Index(AngleBox box) { return static_cast<size_t>(box); }

AngleKind KindOf(AngleBox box) {
  return box == AngleBox::AziMax || box == AngleBox::TestAzimuth ? AngleKind::Azimuth : AngleKind::Elevation;
}

EditorPage PageOf(AngleBox box) {
  if (box == AngleBox::AziMax) return EditorPage::Azimuth;
  if (box == AngleBox::EleMax) return EditorPage::Elevation;
  return EditorPage::ThreeD;
}

}  // namespace

AntennaEditorPresenter::AntennaEditorPresenter(AntennaEditorView& view, quorla::Host& host, const EditorEntry& entry)
    : view_(view),
      host_(host),
      page_(static_cast<EditorPage>(EntryPage(entry.page))),
      mode_(entry.mode >= 0 && entry.mode <= 2 ? entry.mode : 0),
      caption_(entry.caption) {
  state_.hcode = CheckAntennaCode(entry.hcode) == 1 ? entry.hcode : std::string(kOmnidirectionalCode);
  state_.vcode = CheckAntennaCode(entry.vcode) == 1 ? entry.vcode : std::string(kOmnidirectionalCode);
  state_.aziMax = EntryAziMax(entry.aziMax);
  state_.eleMax = EntryEleMax(entry.eleMax);
  state_.newMethod = entry.newMethod;
  state_.language = entry.language;
}

std::string AntennaEditorPresenter::Title() const {
  return caption_ + std::string(texts::kTitleByMode[static_cast<size_t>(mode_)](state_.language)) +
         std::string(texts::kVersion) + ")";
}

void AntennaEditorPresenter::Open() {
  ShowCodes();
  ShowViewCaptions();
  view_.SetScale(false, texts::kLinScale(state_.language));
  view_.SetMethodCaption(state_.newMethod ? texts::kOld3DButton(state_.language) : texts::kNew3DButton(state_.language));
  ShowAngles();
  SelectPage(page_);
}

void AntennaEditorPresenter::ShowCodes() {
  view_.ShowCode(EditorPage::Horizontal, DescribeCode(state_.hcode, state_.language));
  view_.ShowCode(EditorPage::Vertical, DescribeCode(state_.vcode, state_.language));
}

void AntennaEditorPresenter::ShowViewCaptions() {
  const quorla::Language l = state_.language;
  // Each caption names the view a click switches to.
  view_.SetViewCaption(EditorPage::Horizontal, state_.alternateView ? texts::kGraphView(l) : texts::kTableView(l));
  view_.SetViewCaption(EditorPage::Vertical, state_.alternateView ? texts::kXYView(l) : texts::kPolarView(l));
}

void AntennaEditorPresenter::ShowAngles() {
  for (const AngleBox box : {AngleBox::AziMax, AngleBox::EleMax, AngleBox::TestAzimuth, AngleBox::TestElevation}) {
    angleTexts_[Index(box)] = ReformatAngle(AngleOf(box));
    view_.SetAngleText(box, angleTexts_[Index(box)]);
  }
}

std::string& AntennaEditorPresenter::CodeOf(EditorPage codePage) {
  return codePage == EditorPage::Vertical ? state_.vcode : state_.hcode;
}

float& AntennaEditorPresenter::AngleOf(AngleBox box) {
  switch (box) {
    case AngleBox::AziMax: return state_.aziMax;
    case AngleBox::EleMax: return state_.eleMax;
    case AngleBox::TestAzimuth: return state_.testAzimuth;
    case AngleBox::TestElevation: break;
  }
  return state_.testElevation;
}

void AntennaEditorPresenter::RedrawWith(EditorPage page) {
  if (page == page_) view_.Redraw(page_);
}

void AntennaEditorPresenter::SelectPage(EditorPage page) {
  page_ = page;
  view_.ShowPage(page);
  view_.Redraw(page);
}

void AntennaEditorPresenter::ChooseType(EditorPage codePage, int option) {
  std::string& code = CodeOf(codePage);
  code = typeSwitch_[codePage == EditorPage::Vertical ? 1 : 0].Choose(code, option);
  view_.ShowCode(codePage, DescribeCode(code, state_.language));
  RedrawWith(codePage);
}

void AntennaEditorPresenter::ChooseFields(EditorPage codePage, const std::string& first, const std::string& type,
                                          const std::string& last) {
  const std::optional<std::string> code = ComposeAntennaCode(first, type, last);
  if (!code || CheckAntennaCode(*code) != 1) return;
  CodeOf(codePage) = *code;
  view_.ShowCode(codePage, DescribeCode(*code, state_.language));
  RedrawWith(codePage);
}

void AntennaEditorPresenter::ToggleScale() {
  const bool linear = state_.scale == Scale::Db;
  state_.scale = linear ? Scale::Linear : Scale::Db;
  view_.SetScale(linear, linear ? texts::kDbScale(state_.language) : texts::kLinScale(state_.language));
  view_.Redraw(page_);
}

void AntennaEditorPresenter::ToggleView() {
  state_.alternateView = !state_.alternateView;
  ShowViewCaptions();
  view_.Redraw(page_);
}

void AntennaEditorPresenter::ToggleMethod() {
  state_.newMethod = !state_.newMethod;
  view_.SetMethodCaption(state_.newMethod ? texts::kOld3DButton(state_.language) : texts::kNew3DButton(state_.language));
  RedrawWith(EditorPage::ThreeD);
}

void AntennaEditorPresenter::AngleTyped(AngleBox box, const std::string& typed) {
  std::string& shown = angleTexts_[Index(box)];
  const AngleEdit e = FilterAngleText(KindOf(box), shown, typed);
  if (e.beep) host_.Beep();
  shown = e.text;
  if (e.text != typed) view_.SetAngleText(box, e.text);
  AngleOf(box) = static_cast<float>(e.value);
  RedrawWith(PageOf(box));
}

void AntennaEditorPresenter::AngleFocusLost(AngleBox box) {
  angleTexts_[Index(box)] = ReformatAngle(AngleOf(box));
  view_.SetAngleText(box, angleTexts_[Index(box)]);
}

void AntennaEditorPresenter::Click(EditorPage page, const PageLayout& layout, quorla::LogicalPoint p) {
  if (!ClickOnPage(page, layout, p, state_)) return;
  ShowAngles();
  view_.Redraw(page);
}

void AntennaEditorPresenter::Hover(EditorPage page, const PageLayout& layout, std::optional<quorla::LogicalPoint> p) {
  view_.SetReadout(page, p ? HoverText(page, layout, *p, state_) : std::string());
}

void AntennaEditorPresenter::ShowDescription() {
  host_.Message(texts::kDescription(state_.language),
                caption_ + std::string(texts::kDescriptionTitle(state_.language)) + std::string(texts::kVersion),
                quorla::Buttons::Ok, quorla::Icon::Information);
}

void AntennaEditorPresenter::CopyPicture(const quorla::DrawingSurface& surface) { surface.CopyToClipboard(host_); }

EditorResult AntennaEditorPresenter::Result() const {
  return {state_.hcode, state_.vcode, state_.aziMax, state_.eleMax};
}

}  // namespace radpattern
