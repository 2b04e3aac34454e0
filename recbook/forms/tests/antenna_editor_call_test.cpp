// The antenna editor called from the record form: the block it gets from the boxes and the item
// it was opened from, and what a Transfer writes back.
#include "forms/antenna_editor_call.h"

#include <gtest/gtest.h>

#include "forms/record_form_presenter.h"
#include "forms/tests/form_test_views.h"
#include "forms/tests/scripted_library_calls.h"
#include "testing/scripted_host.h"

namespace recbook::testing {
namespace {

int Box(Item item) { return RecordBoxOf(item).id; }

TEST(AntennaEditorCall, BlockCarriesTheBoxesAndThePageOfTheItem) {
  const std::pair<Item, int> kPages[] = {{Item::k9XH, 0}, {Item::k9A, 1}, {Item::k9XV, 2}, {Item::k9B, 3}};
  for (const auto& [item, page] : kPages) {
    SCOPED_TRACE(page);
    ScriptedLibraryCalls calls;
    EXPECT_EQ(CallAntennaEditor(RequestOf(item, {}, quorla::Language::Czech), calls, 99), std::nullopt);
    ASSERT_TRUE(calls.antenna.has_value());
    const AntennaEditParams b = *calls.antenna;
    EXPECT_EQ(+b.page, page);
    EXPECT_EQ(std::string(b.hcode, 7), "030EA10");
    EXPECT_EQ(std::string(b.vcode, 7), "000ND00");
    const float azimuth = b.aziMax, elevation = b.eleMax;  // packed members are read by value
    const uint32_t parent = b.parent;
    EXPECT_FLOAT_EQ(azimuth, 45.0f);
    EXPECT_FLOAT_EQ(elevation, -2.5f);
    EXPECT_EQ(parent, 99u);
    EXPECT_EQ(+b.language, 1);
    EXPECT_EQ(BlockFieldText(b.caption), " MIRANDEX: ");
    EXPECT_EQ(+b.mode, 1);
    EXPECT_EQ(+b.newMethod, 0);
  }
}

TEST(AntennaEditorCall, ReceiverAntennaAndEmptyCodes) {
  ScriptedLibraryCalls calls;
  CallAntennaEditor(RequestOf(Item::k9XV, {{Item::k1A, ""}, {Item::k9XV, ""}, {Item::k9A, ""}}), calls, 0);
  EXPECT_EQ(calls.antenna->mode, 2);
  EXPECT_EQ(std::string(calls.antenna->vcode, 7), std::string(7, '\0'));  // NUL-filled when empty
  const float azimuth = calls.antenna->aziMax;
  EXPECT_EQ(azimuth, 0.0f);
}

TEST(AntennaEditorCall, TransferWritesCodesAndAngles) {
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
    ScriptedLibraryCalls calls;
    calls.result = 1;
    calls.hcode = "045EA20";
    calls.vcode = "010EA00";
    calls.aziMax = c.azi;
    calls.eleMax = c.ele;
    EXPECT_EQ(CallAntennaEditor(RequestOf(Item::k9A), calls, 0),
              (BoxWrites{{Box(Item::k9XH), "045EA20"}, {Box(Item::k9XV), "010EA00"}, {Box(Item::k9A), c.box9A},
                         {Box(Item::k9B), c.box9B}}));
  }
}

// What the editor transferred, applied to the form, is stored as a save builds it.
TEST(AntennaEditorCall, TransferredValuesBuildTheRecord) {
  quorla::ScriptedHost host;
  RecordingRecordForm view;
  RecordFormPresenter form(host, view, {quorla::Language::English, " X: ", {}});
  form.Load(Fixed(), 5);
  ScriptedLibraryCalls calls;
  calls.result = 1;
  calls.hcode = "045EA20";
  calls.vcode = "010EA00";
  calls.aziMax = 120;
  calls.eleMax = -7.5f;
  form.Apply(CallAntennaEditor(RequestOf(Item::k9B), calls, 0).value());
  EXPECT_TRUE(form.changed());
  const StationRecord r = form.Record();
  EXPECT_EQ(ItemText(r, Item::k9XH), "045EA20");
  EXPECT_EQ(ItemText(r, Item::k9A), "120.0");
  EXPECT_EQ(ItemText(r, Item::k9B), " -7.5");
}

}  // namespace
}  // namespace recbook::testing
