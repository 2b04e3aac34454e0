// The power calculator of [8B1]: the result and its remarks for each unit, and what "&OK" writes.
#include "forms/power_dialog_presenter.h"

#include <gtest/gtest.h>

#include "forms/record_form_presenter.h"
#include "forms/tests/form_test_views.h"
#include "rules/tests/clean_station.h"
#include "testing/scripted_host.h"

namespace recbook::testing {
namespace {

class RecordingPowerDialog : public PowerDialogView {
 public:
  void ShowResult(const std::string& n, const std::string& v, const std::string& r) override {
    name = n;
    value = v;
    remark = r;
  }
  void Close() override { closed = true; }
  std::string name, value, remark;
  bool closed = false;
};

class PowerCalculator : public ::testing::Test {
 protected:
  void SetUp() override { form_.Load(Fixed(), 3); }
  void TearDown() override { host_.VerifyAllConsumed(); }
  std::string Box(Item item) { return form_view_.boxes[RecordBoxOf(item).id]; }

  quorla::ScriptedHost host_;
  RecordingRecordForm form_view_;
  RecordFormPresenter form_{host_, form_view_, {quorla::Language::English, " MIRANDEX: ", {}}};
  RecordingPowerDialog view_;
};

TEST_F(PowerCalculator, ResultNameAndRemarks) {
  struct Case {
    const char* power;
    bool milliwatts;
    const char* gain;
    bool isotropic;
    const char* loss;
    const char* name;
    const char* value;
    const char* remark;
  };
  const Case kCases[] = {
      {"25", false, "10", false, "3", "ERPmax", "21.0 dBW", ""},
      {"25", false, "10", true, "3", "EIRPmax", "21.0 dBW", ""},
      {"25", true, "10", false, "3", "ERPmax", "-9.0 dBW", ""},   // mW: 30 dB less
      {"1000", false, "0", false, "0", "ERPmax", "30.0 dBW", ""},  // 30 itself has no remark
      {"1000", false, "0.04", false, "0", "ERPmax", "30.0 dBW", ""},
      {"1000", false, "0.06", false, "0", "ERPmax", "30.1 dBW", "  > 30 dBW"},
      {"1", true, "0", false, "0", "ERPmax", "-30.0 dBW", ""},
      {"1", true, "0", true, "5", "EIRPmax", "-35.0 dBW", "  < -30 dBW"},
      {"0.5", false, "", false, "", "ERPmax", "-3.0 dBW", ""},    // empty gain and loss read as 0
      {"0", false, "10", false, "3", "ERPmax", "", ""},            // no power, no result
      {"-5", false, "10", false, "3", "ERPmax", "", ""},
      {"", false, "10", false, "3", "ERPmax", "", ""},
      {"1000", false, "999", false, "0", "ERPmax", "", ""},        // 1000 dBW or more: "###.#" cannot show it
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.power) + (c.milliwatts ? " mW " : " W ") + c.gain + " " + c.loss);
    PowerDialogPresenter p(host_, view_, form_);
    p.SetPower(c.power);
    p.SetMilliwatts(c.milliwatts);
    p.SetGain(c.gain);
    p.SetIsotropic(c.isotropic);
    p.SetLoss(c.loss);
    EXPECT_EQ(view_.name, c.name);
    EXPECT_EQ(view_.value, c.value);
    EXPECT_EQ(view_.remark, c.remark);
  }
}

TEST_F(PowerCalculator, OkWritesPowerAndReference) {
  struct Case {
    const char* power;
    const char* gain;
    bool isotropic;
    const char* loss;
    const char* power8B1;
    const char* reference;
  };
  const Case kCases[] = {
      {"25", "10", false, "3", "21.0", "E"},
      {"25", "10", true, "3", "21.0", "I"},
      {"1", "0", false, "0", "0", "E"},       // zero is written "0"
      {"1", "0", true, "2.5", "-2.5", "I"},
      {"1", "0.04", false, "0", "0", "E"},    // rounds to zero
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.power) + " " + c.gain + " " + c.loss);
    form_.Load(Fixed(), 3);
    RecordingPowerDialog view;
    PowerDialogPresenter p(host_, view, form_);
    p.SetPower(c.power);
    p.SetGain(c.gain);
    p.SetIsotropic(c.isotropic);
    p.SetLoss(c.loss);
    p.Ok();
    EXPECT_TRUE(view.closed);
    EXPECT_EQ(Box(Item::k8B1), c.power8B1);
    EXPECT_EQ(Box(Item::k8B2), c.reference);
    EXPECT_TRUE(form_.changed());
  }
}

TEST_F(PowerCalculator, OkWithoutResultOnlyBeeps) {
  PowerDialogPresenter p(host_, view_, form_);
  p.SetPower("0");
  p.Ok();
  EXPECT_EQ(host_.beeps(), 1);
  EXPECT_FALSE(view_.closed);
  EXPECT_EQ(Box(Item::k8B1), "  10.0");  // as stored
  EXPECT_FALSE(form_.changed());
}

TEST_F(PowerCalculator, StartsWithTheFormsReferenceAndCancelChangesNothing) {
  form_.Load(Fixed({{Item::k8B2, "I"}}), 3);
  PowerDialogPresenter p(host_, view_, form_);
  EXPECT_TRUE(p.isotropic());
  EXPECT_EQ(view_.name, "EIRPmax");
  EXPECT_EQ(p.Title(), " MIRANDEX:   [8B1]  Max. radiated power");
  p.SetPower("25");
  p.Cancel();
  EXPECT_TRUE(view_.closed);
  EXPECT_EQ(Box(Item::k8B1), "  10.0");  // as stored
  EXPECT_FALSE(form_.changed());
}

}  // namespace
}  // namespace recbook::testing
