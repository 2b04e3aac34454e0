// The dialog of the automatic correction through a recording dialog: each option on and off, the
// save question first, the pass with its progress and running count, and its result handed on.
#include "correction/correction_dialog_presenter.h"

#include <gtest/gtest.h>

#include "search/tests/search_fixture.h"
#include "terrain_tile.h"

namespace recbook::testing {
namespace {

using quorla::Answer;
using quorla::Buttons;
using quorla::Icon;

class RecordingDialog : public CorrectionDialogView {
 public:
  void EnableButtons(bool enabled) override { calls.push_back(enabled ? "buttons on" : "buttons off"); }
  void SetProgressRange(uint64_t total) override { calls.push_back("range " + std::to_string(total)); }
  void SetProgress(uint64_t done) override { progress = done; }
  void SetRepairCount(const std::string& text) override { counts.push_back(text); }
  void Pause(int ms) override { calls.push_back("pause " + std::to_string(ms)); }
  void Close() override { calls.push_back("close"); }

  std::vector<std::string> calls, counts;
  uint64_t progress = 0;
};

class CorrectionDialog : public OpenedFile {
 protected:
  CorrectionDialogPresenter Dialog(std::string dtm = {}) {
    auto corrected = [this](const CorrectionOutcome& o) {
      dialog_.calls.push_back("corrected " + std::to_string(o.records) + " " + std::to_string(o.repairs));
    };
    return CorrectionDialogPresenter(host_, dialog_, {files_, std::move(dtm), corrected}, quorla::Language::English,
                                     kCaption);
  }
  RecordingDialog dialog_;
};

// Each option alone on a record that only it repairs: the repairs it counts and the items after
// the pass; with the option off the record is unchanged. Worked out from the repair rules.
TEST_F(CorrectionDialog, EachOptionOnAndOff) {
  const struct {
    CorrectionOption option;
    StationRecord record;
    int repairs;
    std::vector<Edit> after;
  } kCases[] = {
      {CorrectionOption::kLowFrequency, Fixed({{Item::k1A, "    5.00000M"}}), 1, {{Item::k1A, "           M"}}},
      {CorrectionOption::kReceiverPower, Fixed({{Item::k1A, "           M"}}), 1, {{Item::k8B1, ""}}},
      // [6A], [4A], [4D], [4Z], [9A], [9B], [9Y], [9XH]; [9D] and [9XV] are right already.
      {CorrectionOption::kWholeCountry, Fixed({{Item::k4C, ""}}), 8,
       {{Item::k6A, "ML"}, {Item::k4A, "INTR-PRAHA 1"}, {Item::k4D, ""}, {Item::k4Z, ""}, {Item::k9A, ""},
        {Item::k9B, ""}, {Item::k9Y, "3"}, {Item::k9XH, "000ND00"}}},
      {CorrectionOption::kStationClass, Fixed({{Item::k6A, "XX"}}), 1, {{Item::k6A, "FX"}}},
      {CorrectionOption::kFixedRadius, Fixed({{Item::k4D, "   25"}}), 1, {{Item::k4D, "0"}}},
      // The tile E016N49 holds 250 m everywhere: 300 / 250 = 1.2.
      {CorrectionOption::kTerrainAltitude, Fixed({{Item::k4C, "016E360049N1200"}, {Item::k4Z, " 300"}}), 1,
       {{Item::k4Z, "250"}}},
      {CorrectionOption::kMobileStation, Mobile({{Item::k4Z, " 250"}}), 1, {{Item::k4Z, ""}}},
      // "25K " with the class aligned: the blank becomes a point and counts; 25 gives 25K0.
      {CorrectionOption::kBandwidthFormat, Fixed({{Item::k7A, "25K F3E"}}), 1, {{Item::k7A, "25K0F3E"}}},
      {CorrectionOption::kAntennaCodeShape, Fixed({{Item::k9XH, "45EA"}}), 1, {{Item::k9XH, "045EA00"}}},
      {CorrectionOption::kAntennaCodeRange, Fixed({{Item::k9XH, "070EA10"}}), 1, {{Item::k9XH, "065EA10"}}},
  };
  const std::string terrain = Path("topo");
  std::filesystem::create_directories(terrain + "/E016");
  std::string tile(static_cast<size_t>(quorla::RequiredTileLength(49)), '\0');
  for (size_t i = 0; i + 1 < tile.size(); i += 2) tile[i] = static_cast<char>(250);  // little-endian 250
  ASSERT_TRUE(quorla::WriteFileAtomically(terrain + "/E016/E016N49.G3E", tile));

  for (const auto& c : kCases) {
    for (const bool on : {false, true}) {
      SCOPED_TRACE(std::to_string(static_cast<int>(c.option) + 1) + (on ? " on" : " off"));
      files_.SetChanges(0);  // the repairs of the run before are not saved
      Open({c.record});
      CorrectionDialogPresenter dialog = Dialog(terrain);
      for (size_t o = 0; o < kCorrectionOptionCount; ++o) dialog.SetOption(static_cast<CorrectionOption>(o), false);
      dialog.SetOption(c.option, on);
      ASSERT_TRUE(dialog.Ok());
      StationRecord expected = c.record;
      if (on)
        for (const Edit& e : c.after) SetItem(expected, e.first, e.second);
      EXPECT_EQ(Stored(1).text(), expected.text());
      EXPECT_EQ(files_.changes(), on ? c.repairs : 0);
      EXPECT_EQ(dialog_.counts.back(), on ? " " + std::to_string(c.repairs) : " 0");
    }
  }
}

TEST_F(CorrectionDialog, CancelChangesNothing) {
  const StationRecord faulty = Fixed({{Item::k8B2, ""}});
  Open({faulty});
  Dialog().Cancel();
  EXPECT_EQ(dialog_.calls, std::vector<std::string>{"close"});
  EXPECT_EQ(Stored(1).text(), faulty.text());
}

const std::string kSaveQuestion =
    "You have made  2  changes,  but only  \r\nin Working copy  of  Edited file.\r\n\r\n"
    "Do you want to Save changes into Edited file  ?  ";

TEST_F(CorrectionDialog, CancelledSaveQuestionRunsNoPass) {
  const StationRecord faulty = Fixed({{Item::k8B2, ""}});
  Open({faulty});
  files_.CountChange();
  files_.CountChange();
  host_.ExpectMessage(kSaveQuestion, " " + kCaption, Buttons::YesNoCancel, Icon::Question, Answer::Cancel);
  EXPECT_FALSE(Dialog().Ok());
  EXPECT_EQ(dialog_.calls, (std::vector<std::string>{"buttons off", "buttons on"}));
  EXPECT_EQ(Stored(1).text(), faulty.text());
  EXPECT_EQ(files_.changes(), 2);
}

// Answered No: the pass runs and its repairs replace the change count.
TEST_F(CorrectionDialog, RepairsBecomeTheChangeCount) {
  Open({Fixed({{Item::k8B2, ""}}), Fixed(), Fixed({{Item::k8B2, ""}, {Item::k6A, "fx"}})});
  files_.CountChange();
  files_.CountChange();
  host_.ExpectMessage(kSaveQuestion, " " + kCaption, Buttons::YesNoCancel, Icon::Question, Answer::No);
  EXPECT_TRUE(Dialog().Ok());
  EXPECT_EQ(files_.changes(), 2);  // one [8B2] in records 1 and 3; upper-casing is not counted
  EXPECT_EQ(dialog_.counts, (std::vector<std::string>{" 0", " 1", " 2"}));
  EXPECT_EQ(ItemText(Stored(3), Item::k6A), "FX");
}

// Answered Yes: the file is saved first, then corrected; the change count is the repairs alone.
TEST_F(CorrectionDialog, SavedFirstWhenAsked) {
  Open({Fixed({{Item::k8B2, ""}})});
  files_.CountChange();
  host_.ExpectMessage("You have made  1  changes,  but only  \r\nin Working copy  of  Edited file.\r\n\r\n"
                      "Do you want to Save changes into Edited file  ?  ",
                      " " + kCaption, Buttons::YesNoCancel, Icon::Question, Answer::Yes)
      .ExpectMessage("I saved edited file:\r\n\r\n" + Path("M_CZE.xms") + "  ", kCaption + "  Info", Buttons::Ok,
                     Icon::Information);
  EXPECT_TRUE(Dialog().Ok());
  EXPECT_EQ(files_.changes(), 1);
}

// After the pass: the result goes to the editor before the dialog closes after a second.
TEST_F(CorrectionDialog, ResultHandedOnBeforeTheDialogCloses) {
  Open({Fixed({{Item::k13Y, "Q"}}), Fixed(), Fixed({{Item::k8B2, ""}}), Fixed()});
  EXPECT_TRUE(Dialog().Ok());
  EXPECT_EQ(dialog_.calls,
            (std::vector<std::string>{"buttons off", "range 4", "corrected 4 1", "pause 1000", "close"}));
  EXPECT_EQ(dialog_.progress, 4u);
  EXPECT_GT(host_.eventPumps(), 0);
}

}  // namespace
}  // namespace recbook::testing
