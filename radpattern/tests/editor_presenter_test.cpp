// The antenna editor's presenter through a recording view and the scripted Host: entry rules,
// title, type switches, field lists, the angle boxes' typing rules, clicks and the description.
#include <gtest/gtest.h>

#include <map>

#include "angle_box.h"
#include "antenna_editor_presenter.h"
#include "editor_texts.h"
#include "page_drawing.h"
#include "testing/scripted_host.h"

using radpattern::AngleBox;
using radpattern::AngleKind;
using radpattern::EditorEntry;
using radpattern::EditorPage;

namespace {

class RecordingView : public radpattern::AntennaEditorView {
 public:
  void ShowPage(EditorPage page) override { shown = page; }
  void ShowCode(EditorPage codePage, const radpattern::CodePageContent& c) override { codes[codePage] = c; }
  void SetScale(bool lin, std::string_view caption) override {
    linear = lin;
    scaleCaption = caption;
  }
  void SetViewCaption(EditorPage codePage, std::string_view caption) override { viewCaptions[codePage] = caption; }
  void SetMethodCaption(std::string_view caption) override { methodCaption = caption; }
  void SetAngleText(AngleBox box, std::string_view text) override { angles[box] = text; }
  void SetReadout(EditorPage, std::string_view text) override { readout = text; }
  void Redraw(EditorPage page) override { redrawn.push_back(page); }

  EditorPage shown = EditorPage::Horizontal;
  std::map<EditorPage, radpattern::CodePageContent> codes;
  bool linear = false;
  std::string scaleCaption, methodCaption, readout;
  std::map<EditorPage, std::string> viewCaptions;
  std::map<AngleBox, std::string> angles;
  std::vector<EditorPage> redrawn;
};

struct Editor {
  explicit Editor(EditorEntry entry = {}) : presenter(view, host, entry) { presenter.Open(); }
  RecordingView view;
  quorla::ScriptedHost host;
  radpattern::AntennaEditorPresenter presenter;
};

}  // namespace

TEST(AntennaEditorEntry, InvalidBlockValuesBecomeDefaults) {
  EditorEntry e;
  e.hcode = "999EA99";
  e.vcode = "";
  e.aziMax = 360.0f;
  e.eleMax = -80.1f;
  e.page = 7;
  Editor ed(e);
  EXPECT_EQ(ed.presenter.Result().hcode, "000ND00");
  EXPECT_EQ(ed.presenter.Result().vcode, "000ND00");
  EXPECT_EQ(ed.presenter.Result().aziMax, 0.0f);
  EXPECT_EQ(ed.presenter.Result().eleMax, 0.0f);
  EXPECT_EQ(ed.view.shown, EditorPage::Horizontal);
  EXPECT_FALSE(ed.presenter.TransferEnabled());
  EXPECT_EQ(radpattern::EntryEleMax(-80.0f), -80.0f);
  EXPECT_EQ(radpattern::EntryAziMax(359.9f), 359.9f);
  EXPECT_EQ(radpattern::EntryAziMax(-0.1f), 0.0f);
}

TEST(AntennaEditorPresenter, TitleByModeAndLanguage) {
  constexpr struct { int mode; quorla::Language lang; const char* title; bool transfer; } kCases[] = {
      {0, quorla::Language::English, "Ed Antenna Editor  conformal to VA-99   (ver.1.7.)", false},
      {1, quorla::Language::English, "Ed Edit of Tx antenna  conformal to VA-99   (ver.1.7.)", true},
      {2, quorla::Language::Czech, "Ed Editace přijímací antény dle VA-99   (ver.1.7.)", true},
      {9, quorla::Language::Czech, "Ed Editor antény dle VA-99   (ver.1.7.)", false},
  };
  for (const auto& c : kCases) {
    EditorEntry e;
    e.caption = "Ed";
    e.mode = c.mode;
    e.language = c.lang;
    Editor ed(e);
    EXPECT_EQ(ed.presenter.Title(), c.title);
    EXPECT_EQ(ed.presenter.TransferEnabled(), c.transfer);
  }
}

TEST(AntennaEditorPresenter, TypeSwitchRemembersTheFieldsAcrossND) {
  constexpr struct { const char* start; int options[2]; const char* result; } kCases[] = {
      {"030EA10", {0, 2}, "030EB10"},   // H_EA -> H_ND -> H_EB
      {"065EA17", {0, 5}, "065LA17"},
      {"000ND00", {5, 5}, "060LA00"},   // nothing remembered: 60 and 00
      {"000ND00", {10, 10}, "060VA00"},
      {"120LA05", {2, 2}, "079EB05"},   // clamped into 1..79
      {"320VE00", {9, 9}, "100KA00"},
      {"050CB20", {0, 0}, "000ND00"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.start);
    EditorEntry e;
    e.hcode = c.start;
    Editor ed(e);
    for (const int option : c.options) ed.presenter.ChooseType(EditorPage::Horizontal, option);
    EXPECT_EQ(ed.presenter.state().hcode, c.result);
    EXPECT_EQ(ed.view.codes[EditorPage::Horizontal].option, radpattern::TypeOptionOf(c.result));
  }
}

TEST(AntennaEditorPresenter, FieldListsAndLabelsFollowTheFamily) {
  EditorEntry e;
  e.vcode = "030LA10";
  Editor ed(e);
  const radpattern::CodePageContent& v = ed.view.codes[EditorPage::Vertical];
  EXPECT_EQ(v.lists.first.values.front(), "001");
  EXPECT_EQ(v.lists.first.values.back(), "120");
  EXPECT_FALSE(v.lists.type.enabled);
  EXPECT_EQ(v.firstLabel, " = 1/2 beam              width: 1°- 120°");
  EXPECT_EQ(v.lastLabel, " = radius envelope       0 - 99 [%]");
  const radpattern::CodePageContent& h = ed.view.codes[EditorPage::Horizontal];
  EXPECT_FALSE(h.lists.first.enabled);
  EXPECT_EQ(h.firstLabel, "Omnidirect. diagram  000ND00");
  ed.presenter.ChooseFields(EditorPage::Vertical, "045", "LA", "07");
  EXPECT_EQ(ed.presenter.state().vcode, "045LA07");
  ed.presenter.ChooseFields(EditorPage::Vertical, "045", "LA", "7");  // too short: ignored
  EXPECT_EQ(ed.presenter.state().vcode, "045LA07");
  ed.presenter.ChooseType(EditorPage::Vertical, 1);
  EXPECT_EQ(ed.view.codes[EditorPage::Vertical].firstLabel, " = 1/2 beam              width:  1°- 65°");
}

TEST(AngleBox, TypingRules) {
  constexpr struct { AngleKind kind; const char* previous; const char* typed; const char* text; bool beep; double value; } kCases[] = {
      {AngleKind::Azimuth, "456", "4567", "359.9", true, 359.9},  // 456.7 clamps
      {AngleKind::Azimuth, "12", "123", "123", false, 123},
      {AngleKind::Azimuth, "123", "1234", "123.4", false, 123.4},
      {AngleKind::Azimuth, "12.5", "12.55", "12.5", false, 12.5},  // one decimal only
      {AngleKind::Azimuth, "12", "12a", "12", false, 12},
      {AngleKind::Azimuth, "12", "-12", "12", false, 12},            // no sign on azimuths
      {AngleKind::Azimuth, "1", "", "", false, 0},
      {AngleKind::Azimuth, "", ".", ".", false, 0},
      {AngleKind::Elevation, "12", "123", "12.3", false, 12.3},
      {AngleKind::Elevation, "12.3", "12.34", "12.3", false, 12.3},  // 1234: no more characters
      {AngleKind::Elevation, "-8", "-85", "-80.0", true, -80},
      {AngleKind::Elevation, "8", "81", "80.0", true, 80},
      {AngleKind::Elevation, "", "-", "-", false, 0},
      {AngleKind::Elevation, "5", "5-", "5", false, 5},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.typed);
    const radpattern::AngleEdit e = radpattern::FilterAngleText(c.kind, c.previous, c.typed);
    EXPECT_EQ(e.text, c.text);
    EXPECT_EQ(e.beep, c.beep);
    EXPECT_NEAR(e.value, c.value, 1e-9);
  }
  EXPECT_EQ(radpattern::ReformatAngle(12.0), "12");
  EXPECT_EQ(radpattern::ReformatAngle(45.25), "45.2");
  EXPECT_EQ(radpattern::ReformatAngle(-0.04), "0");
}

// Keys typed one by one into a cleared box: the box holds each typed text until the presenter
// replaces it.
std::string TypeKeys(Editor& ed, AngleBox box, const std::string& keys) {
  std::string text;
  for (const char c : keys) {
    text += c;
    ed.view.angles[box] = text;
    ed.presenter.AngleTyped(box, text);
    text = ed.view.angles[box];
  }
  return text;
}

TEST(AntennaEditorPresenter, TypingInTheBoxesSetsTheAnglesWithABeep) {
  Editor ed;
  ed.presenter.AngleTyped(AngleBox::AziMax, "");
  EXPECT_EQ(TypeKeys(ed, AngleBox::AziMax, "4567"), "359.9");
  EXPECT_EQ(ed.host.beeps(), 1);
  EXPECT_FLOAT_EQ(ed.presenter.state().aziMax, 359.9f);
  ed.presenter.AngleTyped(AngleBox::AziMax, "12.0");
  ed.presenter.AngleFocusLost(AngleBox::AziMax);
  EXPECT_EQ(ed.view.angles[AngleBox::AziMax], "12");
  ed.presenter.AngleTyped(AngleBox::TestElevation, "");
  EXPECT_EQ(TypeKeys(ed, AngleBox::TestElevation, "1234"), "12.3");
  EXPECT_FLOAT_EQ(ed.presenter.state().testElevation, 12.3f);
  EXPECT_EQ(ed.host.beeps(), 1);
}

TEST(AntennaEditorPresenter, SwitchesChangeCaptionsAndRedraw) {
  Editor ed;
  EXPECT_EQ(ed.view.scaleCaption, "&Lin scale");
  EXPECT_EQ(ed.view.viewCaptions[EditorPage::Horizontal], "&Table");
  EXPECT_EQ(ed.view.viewCaptions[EditorPage::Vertical], "Polar graph");
  EXPECT_EQ(ed.view.methodCaption, "New 3D");
  ed.view.redrawn.clear();
  ed.presenter.ToggleScale();
  ed.presenter.ToggleView();
  EXPECT_TRUE(ed.view.linear);
  EXPECT_EQ(ed.view.scaleCaption, "&dB scale");
  EXPECT_EQ(ed.view.viewCaptions[EditorPage::Horizontal], "&Graph");
  EXPECT_EQ(ed.view.viewCaptions[EditorPage::Vertical], "&X ,Y graph");
  EXPECT_EQ(ed.view.redrawn.size(), 2u);
  ed.presenter.SelectPage(EditorPage::ThreeD);
  ed.presenter.ToggleMethod();
  EXPECT_TRUE(ed.presenter.state().newMethod);
  EXPECT_EQ(ed.view.methodCaption, "Old 3D");
  EXPECT_EQ(ed.view.redrawn.back(), EditorPage::ThreeD);
}

TEST(AntennaEditorPresenter, ClickSetsAziMaxAndTheBoxFollows) {
  EditorEntry e;
  e.page = 1;
  Editor ed(e);
  const radpattern::PageLayout l = radpattern::LayoutPage(EditorPage::Azimuth, 1000, 700);
  ed.presenter.Click(EditorPage::Azimuth, l, quorla::PointAtClockAngle(l.polar.centre, 135, 0.5 * l.polar.radius));
  EXPECT_EQ(ed.presenter.state().aziMax, 135.0f);
  EXPECT_EQ(ed.view.angles[AngleBox::AziMax], "135");
  ed.presenter.Hover(EditorPage::Azimuth, l, l.polar.centre);
  EXPECT_EQ(ed.view.readout, "Azi =270°, Dia = 0.0 dB");
  ed.presenter.Hover(EditorPage::Azimuth, l, std::nullopt);
  EXPECT_EQ(ed.view.readout, "");
}

TEST(AntennaEditorPresenter, ProgramDescriptionInBothLanguages) {
  for (const auto lang : {quorla::Language::English, quorla::Language::Czech}) {
    EditorEntry e;
    e.caption = "Cap";
    e.language = lang;
    Editor ed(e);
    const std::string title = lang == quorla::Language::English ? "Cap Short description  of  Antenna Editor,  ver.1.7."
                                                                 : "Cap Stručný popis  Editoru Anten,  ver.1.7.";
    const std::string text(radpattern::texts::kDescription(lang));
    size_t items = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++items;
    EXPECT_EQ(items, 9u);
    ed.host.ExpectMessage(text, title, quorla::Buttons::Ok, quorla::Icon::Information);
    ed.presenter.ShowDescription();
    ed.host.VerifyAllConsumed();
  }
}
