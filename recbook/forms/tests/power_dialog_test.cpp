// The power calculator of [8B1]: the result and its remarks for each unit, and what "&OK" writes.
#include "forms/power_dialog_presenter.h"

#include <gtest/gtest.h>

#include "forms/tests/scripted_library_calls.h"
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
  std::string name, value, remark;
};

const int k8B1 = RecordBoxOf(Item::k8B1).id;
const int k8B2 = RecordBoxOf(Item::k8B2).id;

class PowerCalculator : public ::testing::Test {
 protected:
  void TearDown() override { host_.VerifyAllConsumed(); }

  quorla::ScriptedHost host_;
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
    PowerDialogPresenter p(host_, RequestOf(Item::k8B1), view_);
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
    PowerDialogPresenter p(host_, RequestOf(Item::k8B1), view_);
    p.SetPower(c.power);
    p.SetGain(c.gain);
    p.SetIsotropic(c.isotropic);
    p.SetLoss(c.loss);
    EXPECT_EQ(p.Ok(), (BoxWrites{{k8B1, c.power8B1}, {k8B2, c.reference}}));
  }
}

TEST_F(PowerCalculator, OkWithoutResultOnlyBeeps) {
  PowerDialogPresenter p(host_, RequestOf(Item::k8B1), view_);
  p.SetPower("0");
  EXPECT_EQ(p.Ok(), std::nullopt);
  EXPECT_EQ(host_.beeps(), 1);
}

TEST_F(PowerCalculator, StartsWithTheFormsReference) {
  PowerDialogPresenter iso(host_, RequestOf(Item::k8B1, {{Item::k8B2, "I"}}), view_);
  EXPECT_TRUE(iso.isotropic());
  EXPECT_EQ(view_.name, "EIRPmax");
  EXPECT_EQ(iso.Title(), " MIRANDEX:   [8B1]  Max. radiated power");
  PowerDialogPresenter dipole(host_, RequestOf(Item::k8B1, {}, quorla::Language::Czech), view_);
  EXPECT_FALSE(dipole.isotropic());
  EXPECT_EQ(dipole.Title(), " MIRANDEX:   [8B1]  Max. vyzareny vykon");
}

}  // namespace
}  // namespace recbook::testing
