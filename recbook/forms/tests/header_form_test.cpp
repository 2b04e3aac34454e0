// The header form's presenter: record 0 in the boxes and back, " Clear", and the five checks in
// their order with their messages through the scripted Host.
#include "forms/header_form_presenter.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "forms/tests/form_test_views.h"
#include "records/record_text.h"
#include "testing/scripted_host.h"

namespace recbook::testing {
namespace {

using quorla::Buttons;
using quorla::Icon;

const std::string kCaption = " MIRANDEX: ";
HeaderValues Values() {
  HeaderValues v;
  v.fileNumber = "07";
  v.description = "Register of base stations";
  v.contentsCode = "O";
  v.country = "CZE";
  v.person = "JAN NOVAK";
  v.phone = "+420 123 456";
  v.recordCount = "000012";
  v.writingDate = "01-12-2026";
  return v;
}
const std::string kHeader = FixWidth(BuildHeaderText(Values()), kRecordSize);

class HeaderForm : public ::testing::Test {
 protected:
  void SetUp() override { form_.Load(RecordFromText<HeaderRecord>(kHeader)); }
  void TearDown() override { host_.VerifyAllConsumed(); }
  void Type(int box, const std::string& text) {
    view_.boxes[box] = form_.Typed(box, text, static_cast<int>(text.size())).text;
  }

  quorla::ScriptedHost host_;
  RecordingHeaderForm view_;
  HeaderFormPresenter form_{host_, view_, {quorla::Language::English, kCaption, {}}};
};

TEST_F(HeaderForm, ShowsRecordZeroAndBuildsItBack) {
  EXPECT_EQ(view_.boxes[11], "07");
  EXPECT_EQ(view_.boxes[12], "Register of base stations");
  EXPECT_EQ(view_.boxes[19], "000012");
  EXPECT_EQ(view_.boxes[20], "01-12-2026");
  EXPECT_EQ(form_.CheckedHeader(), kHeader);
  Type(11, "5");
  Type(19, "999");  // the count is the program's
  EXPECT_EQ(view_.boxes[19], "000012");
  EXPECT_EQ(form_.CheckedHeader()->substr(0, 2), "05");
  EXPECT_TRUE(view_.changed);
}

TEST_F(HeaderForm, ChecksInOrderWithTheirMessages) {
  const struct {
    std::vector<std::pair<int, std::string>> typed;
    int box;
    const char* message;
  } kCases[] = {
      {{{12, "  "}}, 12, "Mising File contents  !!"},
      {{{13, "X"}}, 13, "File contents code has to be:  O, D, N, A, M  !!"},
      {{{14, ""}}, 14, "Mising Country  !!"},
      {{{15, ""}}, 15, "Mising Name of respon. persone  !!"},
      {{{16, ""}}, 16, "Mising Phone, Telefax or Telex number  !!"},
      {{{15, ""}, {12, ""}}, 12, "Mising File contents  !!"},  // the first failing check in order
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.message);
    form_.Load(RecordFromText<HeaderRecord>(kHeader));
    for (const auto& [box, text] : c.typed) Type(box, text);
    host_.ExpectMessage(c.message, kCaption + " Error", Buttons::Ok, Icon::Error);
    EXPECT_FALSE(form_.CheckedHeader());
    EXPECT_EQ(view_.focus.box, c.box);
  }
  form_.Load(RecordFromText<HeaderRecord>(kHeader));
  Type(16, "");
  Type(17, "+420 999");  // a telefax alone is enough
  EXPECT_TRUE(form_.CheckedHeader());
}

TEST_F(HeaderForm, ClearEmptiesTheBoxesButTheCount) {
  form_.Clear();
  EXPECT_EQ(view_.status, " Header cleared");
  EXPECT_EQ(view_.boxes[12], "");
  EXPECT_EQ(view_.boxes[19], "000012");
  EXPECT_TRUE(form_.changed());
  host_.ExpectMessage("Mising File contents  !!", kCaption + " Error", Buttons::Ok, Icon::Error);
  EXPECT_FALSE(form_.CheckedHeader());
}

}  // namespace
}  // namespace recbook::testing
