// The record form's presenter: a record shown box by box and built back byte for byte, the
// new-record defaults, typing through the input rules, and the check before a save and on
// " Find error", answered through the scripted Host.
#include "forms/record_form_presenter.h"

#include <gtest/gtest.h>

#include "tests/clean_station.h"
#include "forms/tests/form_test_views.h"
#include "testing/scripted_host.h"

namespace recbook::testing {
namespace {

using quorla::Answer;
using quorla::Buttons;
using quorla::Icon;

const std::string kCaption = " MIRANDEX: ";

class RecordForm : public ::testing::Test {
 protected:
  void TearDown() override { host_.VerifyAllConsumed(); }
  std::string Box(Item item) { return view_.boxes[RecordBoxOf(item).id]; }
  void Type(Item item, const std::string& text) {
    const int box = RecordBoxOf(item).id;
    const RuledText r = form_.Typed(box, text, static_cast<int>(text.size()));
    view_.boxes[box] = r.text;
  }

  quorla::ScriptedHost host_;
  RecordingRecordForm view_;
  RecordFormPresenter form_{host_, view_, {quorla::Language::English, kCaption, {}}};
};

TEST_F(RecordForm, ShowsEachItemAsTheFormReadsIt) {
  form_.Load(Fixed({{Item::k1Y, "00160537.50K"}, {Item::k9G, "    "}, {Item::k4A, "PRAHA 1"}}), 12);
  const std::pair<Item, const char*> kShown[] = {
      {Item::k1A, "150.50000"}, {Item::k1Y, "160.53750"}, {Item::k2C, "01-02-2003"}, {Item::k2Z, ""},
      {Item::k4A, "PRAHA 1"},   {Item::k6Z, "A"},         {Item::k9A, " 45.0"},      {Item::k9B, " -2.5"},
      {Item::k9G, ""},          {Item::k4Z, " 250"},      {Item::k13X, "CZE2500000101 1"},
  };
  for (const auto& [item, text] : kShown) EXPECT_EQ(Box(item), text) << Spec(item).code;
  EXPECT_EQ(view_.boxes[kLongitudeBox], "014 E 25 30");
  EXPECT_EQ(view_.boxes[kLatitudeBox], "50 N 05 30");
  EXPECT_EQ(view_.number, "Rec No. = 12");
  EXPECT_FALSE(view_.newRecord);
  EXPECT_FALSE(form_.changed());
}

// Saving an unchanged record writes it back as it was (a kHz frequency is written in MHz).
TEST_F(RecordForm, UnchangedBoxesBuildTheSameRecord) {
  for (const StationRecord& r : {Fixed(), Fixed({{Item::k4C, ""}, {Item::k4A, "INTR"}, {Item::k9G, ""}}),
                                 Fixed({{Item::k1A, "           M"}, {Item::k8B1, ""}, {Item::k2W, ""}})}) {
    form_.Load(r, 1);
    EXPECT_EQ(form_.Record().text(), r.text());
  }
  form_.Load(Fixed({{Item::k1A, "00150500.00K"}}), 1);
  EXPECT_EQ(form_.Record().text(), Fixed().text());
}

TEST_F(RecordForm, NewRecordDefaults) {
  host_.SetNow({2026, 12, 8, 9, 0, 0});
  form_.LoadNew(7);
  EXPECT_EQ(view_.number, "New Rec No. = 7");
  EXPECT_TRUE(view_.newRecord);
  EXPECT_EQ(view_.focus, (Focus{11, 0, 1}));
  const StationRecord r = form_.Record();
  EXPECT_EQ(std::string(r.text().substr(0, 20)), "    0.00000M2FBCPO 1");
  EXPECT_EQ(std::string(ItemText(r, Item::k4C)), "000E000000N0000");
  EXPECT_EQ(std::string(ItemText(r, Item::k9XH)), "000ND00");
  EXPECT_EQ(std::string(ItemText(r, Item::k2W)), "08122026");
  EXPECT_EQ(std::string(ItemText(r, Item::k2C)), "        ");
  EXPECT_EQ(std::string(ItemText(r, Item::k13Y)), "B");
  form_.Stored(7);
  EXPECT_EQ(view_.number, "Rec No. = 7");
  EXPECT_FALSE(form_.isNew());
}

TEST_F(RecordForm, TypingGoesThroughTheRulesAndChangesTheForm) {
  int changes = 0;
  form_.SetOnChange([&] { ++changes; });
  form_.Load(Fixed(), 3);
  Type(Item::k6A, "1m");
  EXPECT_EQ(Box(Item::k6A), "M");
  Type(Item::k2C, "25122003");
  EXPECT_EQ(Box(Item::k2C), "25-12-2003");
  Type(Item::k9XH, "");
  EXPECT_EQ(Box(Item::k9XH), "000ND00");
  EXPECT_TRUE(view_.changed);
  EXPECT_EQ(changes, 3);
  const StationRecord r = form_.Record();
  EXPECT_EQ(std::string(ItemText(r, Item::k6A)), "M ");
  EXPECT_EQ(std::string(ItemText(r, Item::k2C)), "25122003");
}

TEST_F(RecordForm, CoordinateBoxesKeepTheirDisplayForm) {
  form_.Load(Fixed(), 3);
  const RuledText lon = form_.Typed(kLongitudeBox, "0151 E 25 30", 4);
  EXPECT_EQ(lon.text.size(), 11u);
  EXPECT_EQ(lon.text.substr(0, 5), "015 E");
  const RuledText lat = form_.Typed(kLatitudeBox, "", 0);
  EXPECT_EQ(lat.text, "00 N 00 00");
}

TEST_F(RecordForm, SavingWithABlankCountryStopsAtTheCountryBox) {
  form_.Load(Fixed(), 3);
  Type(Item::k4B, "");
  host_.ExpectMessage("Missing Country of station  !!  ", kCaption + " Error", Buttons::Ok, Icon::Exclamation);
  EXPECT_FALSE(form_.CheckedRecord(ErrorSearchMode::None));
  EXPECT_EQ(view_.focus, (Focus{19, 0, 3}));
  EXPECT_TRUE(form_.changed());
}

TEST_F(RecordForm, FindErrorAsksAndReportsNoErrors) {
  form_.Load(Fixed({{Item::k1A, "  100.00000M"}}), 4);
  host_.ExpectMessage("[1A] Tx frequency is out of VA-99 bands !!  \r\n\r\nMay I ignore it  ?", kCaption + " Error",
                      Buttons::YesNo, Icon::Exclamation, Answer::Yes);
  host_.ExpectMessage("No errors  or  no next errors  !!  ", kCaption + " no Error", Buttons::Ok, Icon::Information);
  form_.FindError(ErrorSearchMode::AllErrors);

  host_.ExpectMessage("[1A] Tx frequency is out of VA-99 bands !!  \r\n\r\nMay I ignore it  ?", kCaption + " Error",
                      Buttons::YesNo, Icon::Exclamation, Answer::No);
  form_.FindError(ErrorSearchMode::AllErrors);
  EXPECT_EQ(view_.focus, (Focus{11, 0, 12}));
}

TEST_F(RecordForm, CzechTextSix) {
  RecordFormPresenter czech(host_, view_, {quorla::Language::Czech, kCaption, {}});
  czech.LoadNew(1);
  EXPECT_EQ(view_.number, "Nový Rec č. = 1");
}

}  // namespace
}  // namespace recbook::testing
