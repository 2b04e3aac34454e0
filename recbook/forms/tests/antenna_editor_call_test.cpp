// The antenna editor called from the record form: the block it gets from the boxes and the box it
// was opened from, and what a Transfer writes back.
#include "forms/antenna_editor_call.h"

#include <gtest/gtest.h>

#include "forms/record_form_presenter.h"
#include "forms/tests/form_test_views.h"
#include "forms/tests/scripted_library_calls.h"
#include "rules/tests/clean_station.h"
#include "testing/scripted_host.h"

namespace recbook::testing {
namespace {

class AntennaEditorCall : public ::testing::Test {
 protected:
  void TearDown() override { host_.VerifyAllConsumed(); }
  std::string Box(Item item) { return view_.boxes[RecordBoxOf(item).id]; }

  quorla::ScriptedHost host_;
  RecordingRecordForm view_;
  RecordFormPresenter form_{host_, view_, {quorla::Language::Czech, " MIRANDEX: ", {}}};
  ScriptedLibraryCalls calls_;
};

TEST_F(AntennaEditorCall, BlockCarriesTheBoxesAndThePageOfTheFocusedBox) {
  const std::pair<Item, int> kPages[] = {{Item::k9XH, 0}, {Item::k9A, 1}, {Item::k9XV, 2}, {Item::k9B, 3}};
  for (const auto& [item, page] : kPages) {
    SCOPED_TRACE(page);
    form_.Load(Fixed(), 5);
    EXPECT_FALSE(OpenAntennaEditor(form_, calls_, RecordBoxOf(item).id, 99));
    ASSERT_TRUE(calls_.antenna.has_value());
    const AntennaEditParams b = *calls_.antenna;
    EXPECT_EQ(b.page, page);
    EXPECT_EQ(std::string(b.hcode, 7), "030EA10");
    EXPECT_EQ(std::string(b.vcode, 7), "000ND00");
    const float azimuth = b.aziMax, elevation = b.eleMax;
    EXPECT_FLOAT_EQ(azimuth, 45.0f);
    EXPECT_FLOAT_EQ(elevation, -2.5f);
    EXPECT_EQ(b.parent, 99u);
    EXPECT_EQ(b.language, 1);
    EXPECT_EQ(BlockFieldText(b.caption), " MIRANDEX: ");
    EXPECT_EQ(b.mode, 1);
    EXPECT_EQ(b.newMethod, 0);
    EXPECT_FALSE(form_.changed());  // Close changes nothing
    EXPECT_EQ(Box(Item::k9XH), "030EA10");
  }
}

TEST_F(AntennaEditorCall, ReceiverAntennaAndEmptyCodes) {
  form_.Load(Fixed({{Item::k1A, ""}, {Item::k9XV, ""}, {Item::k9A, ""}}), 5);
  OpenAntennaEditor(form_, calls_, RecordBoxOf(Item::k9XV).id, 0);
  EXPECT_EQ(calls_.antenna->mode, 2);
  EXPECT_EQ(std::string(calls_.antenna->vcode, 7), std::string(7, '\0'));  // NUL-filled when empty
  const float azimuth = calls_.antenna->aziMax;
  EXPECT_EQ(azimuth, 0.0f);
}

TEST_F(AntennaEditorCall, TransferWritesCodesAndAngles) {
  struct Case {
    float azi, ele;
    const char* box9A;
    const char* box9B;
  };
  const Case kCases[] = {
      {45, -2.5f, "45.0", "-02.5"},  // negative elevations with two integer digits
      {0, 0, "0", "0"},              // zero is "0"
      {0.5f, 12.25f, "0.5", "12.3"},
      {359.9f, -12.5f, "359.9", "-12.5"},
      {0.04f, -0.04f, "0", "0"},     // rounds to zero
      {120, 80, "120.0", "80.0"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.box9A);
    form_.Load(Fixed(), 5);
    calls_.result = 1;
    calls_.hcode = "045EA20";
    calls_.vcode = "010EA00";
    calls_.aziMax = c.azi;
    calls_.eleMax = c.ele;
    EXPECT_TRUE(OpenAntennaEditor(form_, calls_, RecordBoxOf(Item::k9A).id, 0));
    EXPECT_EQ(Box(Item::k9XH), "045EA20");
    EXPECT_EQ(Box(Item::k9XV), "010EA00");
    EXPECT_EQ(Box(Item::k9A), c.box9A);
    EXPECT_EQ(Box(Item::k9B), c.box9B);
    EXPECT_TRUE(form_.changed());
  }
}

// What the editor transferred is stored as a save builds it: the angles under their masks.
TEST_F(AntennaEditorCall, TransferredValuesBuildTheRecord) {
  form_.Load(Fixed(), 5);
  calls_.result = 1;
  calls_.hcode = "045EA20";
  calls_.vcode = "010EA00";
  calls_.aziMax = 120;
  calls_.eleMax = -7.5f;
  OpenAntennaEditor(form_, calls_, RecordBoxOf(Item::k9B).id, 0);
  const StationRecord r = form_.Record();
  EXPECT_EQ(ItemText(r, Item::k9XH), "045EA20");
  EXPECT_EQ(ItemText(r, Item::k9A), "120.0");
  EXPECT_EQ(ItemText(r, Item::k9B), " -7.5");
}

}  // namespace
}  // namespace recbook::testing
