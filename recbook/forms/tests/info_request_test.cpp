// Button 9 of the record form: the caption and dialog that follow the focus, the request a dialog
// is given, what its "&OK" writes back, and the explanation dialogs' texts.
#include <gtest/gtest.h>

#include "forms/info_explanation.h"
#include "forms/record_form_presenter.h"
#include "forms/tests/form_test_views.h"
#include "tests/clean_station.h"
#include "testing/scripted_host.h"

namespace recbook::testing {
namespace {

class InfoButtonTest : public ::testing::Test {
 protected:
  void TearDown() override { host_.VerifyAllConsumed(); }
  quorla::ScriptedHost host_;
  RecordingRecordForm view_;
  RecordFormPresenter form_{host_, view_, {quorla::Language::English, " MIRANDEX: ", {}}};
};

TEST_F(InfoButtonTest, FollowsTheFocusedBox) {
  constexpr struct {
    int box;
    const char* caption;
    std::optional<InfoDialog> dialog;
  } kCases[] = {
      {11, " Info: f [MHz]", InfoDialog::FrequencyBands},
      {34, " Info: f [MHz]", InfoDialog::FrequencyBands},
      {12, " Info: Freq.cat.", InfoDialog::CodePicker},
      {15, " Info: Use", InfoDialog::ListPicker},
      {17, "", std::nullopt},  // [2C]
      {18, " Info: Name", InfoDialog::Explanation},
      {21, " Info: Lon,Lat", InfoDialog::Coordinates},  // the latitude box is [4C] too
      {28, " Info: Ele.", InfoDialog::AntennaEditor},
      {33, " Info: Ant.code", InfoDialog::AntennaCodes},
      {35, "", std::nullopt},  // [13Z]
      {37, "", std::nullopt},  // [2W]
      {38, "", std::nullopt},  // [2Z]
      {39, " Info: Refer.", InfoDialog::ReferenceLayout},
  };
  form_.Load(Fixed(), 3);
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.box);
    form_.Focused(c.box);
    EXPECT_EQ(view_.infoButton, c.caption);
    EXPECT_EQ(view_.infoDialog, c.dialog);
    const std::optional<InfoRequest> request = form_.Info();
    ASSERT_EQ(request.has_value(), c.dialog.has_value());
    if (!request) continue;
    EXPECT_EQ(request->dialog, *c.dialog);
    EXPECT_EQ(request->box, c.box);
  }
}

// A box id outside the form leaves the button on the last box.
TEST_F(InfoButtonTest, UnknownBoxKeepsTheLastDialog) {
  form_.Focused(13);
  form_.Focused(99);
  EXPECT_EQ(view_.infoButton, " Info: Class");
  ASSERT_TRUE(form_.Info());
  EXPECT_EQ(form_.Info()->item, Item::k6A);
}

TEST_F(InfoButtonTest, RequestCarriesTheBoxesAsTyped) {
  form_.Load(Fixed(), 3);
  form_.Typed(RecordBoxOf(Item::k6A).id, "ML", 2);
  form_.Focused(RecordBoxOf(Item::k6A).id);
  const std::optional<InfoRequest> request = form_.Info();
  ASSERT_TRUE(request);
  EXPECT_EQ(request->Text(Item::k6A), "ML");
  EXPECT_EQ(request->caption, " MIRANDEX: ");
  EXPECT_EQ(request->language, quorla::Language::English);
}

TEST_F(InfoButtonTest, OkWritesBackAndMarksTheFormChangedOnlyWhenSomethingDiffers) {
  form_.Load(Fixed({{Item::k6Z, "HH"}}), 3);
  const int use = RecordBoxOf(Item::k6Z).id;
  form_.Apply({{use, "HH"}});
  EXPECT_FALSE(form_.changed());
  form_.Apply({});  // cancelled
  EXPECT_FALSE(form_.changed());
  form_.Apply({{use, "H "}, {99, "X"}});
  EXPECT_TRUE(form_.changed());
  EXPECT_TRUE(view_.changed);
  EXPECT_EQ(view_.boxes[use], "H ");
  EXPECT_EQ(std::string(ItemText(form_.Record(), Item::k6Z)), "H ");
  EXPECT_EQ(view_.boxes.count(99), 0u);
}

// Two boxes at once, as the co-ordinate dialogs write them.
TEST_F(InfoButtonTest, OkWritesSeveralBoxes) {
  form_.Load(Fixed(), 3);
  form_.Apply({{kLongitudeBox, "016 E 30 00"}, {kLatitudeBox, "49 N 10 00"}});
  EXPECT_EQ(std::string(ItemText(form_.Record(), Item::k4C)), "016E300049N1000");
}

TEST(InfoExplanation, EveryExplainedItemHasItsTitleAndLinesInBothLanguages) {
  for (const Item item : {Item::k4A, Item::k4D, Item::k9G, Item::k9Y, Item::k13X}) {
    for (const auto language : {quorla::Language::English, quorla::Language::Czech}) {
      SCOPED_TRACE(Spec(item).code);
      const std::optional<Explanation> e = ExplanationFor(item, language);
      ASSERT_TRUE(e);
      EXPECT_NE(e->title.find(Spec(item).code), std::string::npos);
      EXPECT_GE(e->lines.size(), 2u);
    }
  }
  EXPECT_EQ(ExplanationFor(Item::k13X, quorla::Language::English)->lines.front(), "CCC-ZZ-PPPPPP-FF-R-I");
  EXPECT_EQ(ExplanationFor(Item::k4A, quorla::Language::English)->lines.back(),
            "then  Station name = ''INTR'' = in whole country.");
  EXPECT_FALSE(ExplanationFor(Item::k6A, quorla::Language::English));
}

}  // namespace
}  // namespace recbook::testing
