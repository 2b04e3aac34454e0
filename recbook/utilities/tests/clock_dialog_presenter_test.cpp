// The date and time dialog through its presenter and the scripted Host: the boxes at the start,
// typing key by key, the length checks of OK, the refusals told in a message box, and the clock
// set only by a whole, existing date and time. The scripted Host stands for the platform's clock;
// this machine's clock is never touched.
#include "utilities/clock_dialog_presenter.h"

#include <gtest/gtest.h>

#include "testing/scripted_host.h"

namespace recbook {
namespace {

using quorla::Buttons;
using quorla::Icon;
using quorla::Language;

const std::string kCaption = " MIRANDEX: ";

class RecordingClockDialog : public ClockDialogView {
 public:
  void ShowTexts(const std::string& d, const std::string& t) override {
    date = d;
    time = t;
  }
  void FocusBox(ClockBox box) override { focus.push_back(box); }
  void Close(bool set) override { closed = set ? 1 : 0; }

  std::string date, time;
  std::vector<ClockBox> focus;
  int closed = -1;  // -1 open, 0 closed unchanged, 1 closed with the clock set
};

class ClockDialog : public ::testing::Test {
 protected:
  explicit ClockDialog(Language l = Language::English) : presenter_(host_, view_, l, kCaption) {
    host_.SetNow({2026, 3, 4, 7, 8, 59});
    presenter_.Start();
  }
  ~ClockDialog() override { host_.VerifyAllConsumed(); }

  // Empties the box and types the keys one by one, the caret at the end as after each key.
  std::string TypeKeys(ClockBox box, const std::string& keys) {
    std::string text = presenter_.Typed(box, "", 0).text;
    for (const char k : keys) {
      const RuledText r = presenter_.Typed(box, text + k, static_cast<int>(text.size()) + 1);
      text = r.text;
      EXPECT_EQ(r.selectionStart, static_cast<int>(text.size())) << "the caret follows the inserted characters";
    }
    return text;
  }

  quorla::ScriptedHost host_;
  RecordingClockDialog view_;
  ClockDialogPresenter presenter_;
};

TEST_F(ClockDialog, StartsWithTodayAndTheTimeWithoutSeconds) {
  EXPECT_EQ(presenter_.Title(), " MIRANDEX:  Setting  of  PC Date + Time");
  EXPECT_EQ(view_.date, "04-03-2026");
  EXPECT_EQ(view_.time, "07:08");
}

TEST_F(ClockDialog, TypingKeyByKey) {
  const struct {
    ClockBox box;
    const char* keys;
    const char* shown;
  } kCases[] = {
      {ClockBox::Date, "01022003", "01-02-2003"},
      {ClockBox::Date, "0102200399", "01-02-2003"},  // stops at 10 characters
      {ClockBox::Date, "01x-02/2003", "01-02-2003"},  // only digits are taken
      {ClockBox::Date, "010", "01-0"},
      {ClockBox::Time, "0930", "09:30"},
      {ClockBox::Time, "093012", "09:30"},  // stops at 5 characters
      {ClockBox::Time, "9:3", "93"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.keys);
    EXPECT_EQ(TypeKeys(c.box, c.keys), c.shown);
    EXPECT_EQ(c.box == ClockBox::Date ? presenter_.date() : presenter_.time(), c.shown);
  }
}

TEST_F(ClockDialog, OkSetsTheTypedDateAndTime) {
  TypeKeys(ClockBox::Date, "01022003");
  TypeKeys(ClockBox::Time, "0930");
  presenter_.Ok();
  ASSERT_TRUE(host_.clockSet());
  EXPECT_EQ(host_.clockSet()->day, 1);
  EXPECT_EQ(host_.clockSet()->month, 2);
  EXPECT_EQ(host_.clockSet()->year, 2003);
  EXPECT_EQ(host_.clockSet()->hour, 9);
  EXPECT_EQ(host_.clockSet()->minute, 30);
  EXPECT_EQ(view_.closed, 1);
  EXPECT_EQ(host_.beeps(), 0);
}

// A box too short beeps and gets the keyboard again; the dialog stays open and nothing is set.
TEST_F(ClockDialog, ShortBoxesBeepAndKeepTheDialogOpen) {
  const struct {
    const char* dateKeys;
    const char* timeKeys;
    ClockBox focused;
  } kCases[] = {
      {"010203", "0930", ClockBox::Date},  // day, month and a two-digit year: 8 characters
      {"01022003", "093", ClockBox::Time},
      {"", "", ClockBox::Date},
  };
  int beeps = 0;
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.dateKeys);
    TypeKeys(ClockBox::Date, c.dateKeys);
    TypeKeys(ClockBox::Time, c.timeKeys);
    presenter_.Ok();
    EXPECT_EQ(host_.beeps(), ++beeps);
    ASSERT_FALSE(view_.focus.empty());
    EXPECT_EQ(view_.focus.back(), c.focused);
    EXPECT_EQ(view_.closed, -1);
    EXPECT_FALSE(host_.clockSet());
  }
}

// A date or time that does not exist is told, its box gets the keyboard, the dialog stays open.
TEST_F(ClockDialog, ImpossibleDateOrTimeIsToldAndNothingIsSet) {
  TypeKeys(ClockBox::Date, "31022003");
  TypeKeys(ClockBox::Time, "0930");
  host_.ExpectMessage("There is no date  31-02-2003  !!  \r\n\r\nPC date and time were not changed.",
                      kCaption + " Error", Buttons::Ok, Icon::Error);
  presenter_.Ok();
  EXPECT_EQ(view_.focus.back(), ClockBox::Date);
  TypeKeys(ClockBox::Date, "28022003");
  TypeKeys(ClockBox::Time, "2461");
  host_.ExpectMessage("There is no time  24:61  !!  \r\n\r\nPC date and time were not changed.",
                      kCaption + " Error", Buttons::Ok, Icon::Error);
  presenter_.Ok();
  EXPECT_EQ(view_.focus.back(), ClockBox::Time);
  EXPECT_EQ(view_.closed, -1);
  EXPECT_FALSE(host_.clockSet());
  EXPECT_EQ(host_.beeps(), 0);
}

TEST_F(ClockDialog, PlatformRefusalIsToldAndTheDialogEnds) {
  host_.SetClockAllowed(false);
  host_.ExpectMessage(
      "The system refused to set PC date and time  !!  \r\n\r\n"
      "Setting the clock needs the right to change the system time.\r\n"
      "PC date and time were not changed.",
      kCaption + " Error", Buttons::Ok, Icon::Error);
  presenter_.Ok();  // the date and time shown at the start
  EXPECT_EQ(view_.closed, 0);
  EXPECT_FALSE(host_.clockSet());
}

TEST_F(ClockDialog, CancelChangesNothing) {
  TypeKeys(ClockBox::Date, "01022003");
  presenter_.Cancel();
  EXPECT_EQ(view_.closed, 0);
  EXPECT_FALSE(host_.clockSet());
}

class CzechClockDialog : public ClockDialog {
 protected:
  CzechClockDialog() : ClockDialog(Language::Czech) {}
};

TEST_F(CzechClockDialog, TitleAndRefusals) {
  EXPECT_EQ(presenter_.Title(), " MIRANDEX:  Nastav.  Datumu + hodin PC");
  TypeKeys(ClockBox::Date, "31042026");
  host_.ExpectMessage("Datum  31-04-2026  neexistuje  !!  \r\n\r\nDatum a čas PC nebyly změněny.", kCaption + " Chyba",
                      Buttons::Ok, Icon::Error);
  presenter_.Ok();
  TypeKeys(ClockBox::Date, "30042026");
  host_.SetClockAllowed(false);
  host_.ExpectMessage(
      "Systém odmítl nastavit datum a čas PC  !!  \r\n\r\n"
      "Nastavení hodin vyžaduje právo měnit systémový čas.\r\n"
      "Datum a čas PC nebyly změněny.",
      kCaption + " Chyba", Buttons::Ok, Icon::Error);
  presenter_.Ok();
  EXPECT_EQ(view_.closed, 0);
}

}  // namespace
}  // namespace recbook
