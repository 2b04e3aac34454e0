// The Info dialogs as windows under the offscreen platform: button 9 of the record page follows
// the focus and opens the dialog of the focused box; typing key by key into the dialogs; "&OK"
// writing back into the form, "&Cancel" leaving it as it was; a screenshot of each dialog in both
// languages saved into the build tree.
#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

#include "forms/record_form_presenter.h"
#include "forms/ui/code_picker_dialog.h"
#include "forms/ui/designation_dialog.h"
#include "forms/ui/frequency_dialog.h"
#include "forms/ui/viewer_help_dialog.h"
#include "forms/ui/record_form_page.h"
#include "tests/clean_station.h"
#include "ui/testing/when_modal.h"
#include "testing/scripted_host.h"

namespace recbook::testing {
namespace {

using quorla::ui::testing::WhenModal;

using quorla::Language;

QApplication& App() {
  static int argc = 1;
  static char name[] = "info_dialogs_widget_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

void Shoot(QWidget* w, const std::string& name) {
  EXPECT_TRUE(w->grab().save(QString::fromStdString(std::string(INFO_SCREENSHOT_DIR) + "/" + name + ".png")));
}

const char* Suffix(Language l) { return l == Language::English ? "en" : "cs"; }

// A record page over its presenter, the record loaded, shown and active.
class FormUnderTest {
 public:
  explicit FormUnderTest(Language language, const StationRecord& record = Fixed())
      : form_(host_, page_, {language, " Test:", {}}), page_(language, {}) {
    page_.Bind(form_, [](int) {});
    form_.Load(record, 7);
    page_.resize(900, 700);
    page_.show();
    QApplication::setActiveWindow(&page_);
    QApplication::processEvents();
  }
  ~FormUnderTest() { host_.VerifyAllConsumed(); }

  // Clicks into the item's box, then button 9; answer runs on the dialog it opens.
  void OpenInfo(Item item, std::function<void(QDialog*)> answer) {
    QLineEdit* box = page_.box(RecordBoxOf(item).id);
    QApplication::setActiveWindow(&page_);  // the offscreen platform does not give it back after a dialog
    box->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    bool answered = false;
    WhenModal<QDialog>([&](QDialog* d) {
      answered = true;
      answer(d);
    });
    QTest::mouseClick(page_.infoButton(), Qt::LeftButton);
    EXPECT_TRUE(answered);
  }
  QString Box(Item item) const { return page_.box(RecordBoxOf(item).id)->text(); }

  QApplication& app_ = App();  // before any widget
  quorla::ScriptedHost host_;
  RecordFormPresenter form_;
  ui::RecordFormPage page_;
};

TEST(InfoButtonWidget, CaptionFollowsTheFocusAndHidesForBoxesWithoutDialog) {
  FormUnderTest f(Language::English);
  QPushButton* info = f.page_.infoButton();
  constexpr struct {
    Item item;
    const char* caption;  // empty: hidden
  } kCases[] = {{Item::k4A, " Info: Name"}, {Item::k2C, ""}, {Item::k13Z, ""}, {Item::k13X, " Info: Refer."},
                {Item::k2W, ""}, {Item::k9Y, " Info: hAnt."}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(Spec(c.item).code);
    f.page_.box(RecordBoxOf(c.item).id)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(info->isVisible(), *c.caption != 0);
    if (*c.caption) EXPECT_EQ(info->text(), c.caption);
  }
}

TEST(InfoButtonWidget, ExplanationsOpenAndWriteNothing) {
  for (const Language language : {Language::English, Language::Czech}) {
    FormUnderTest f(language);
    for (const Item item : {Item::k4A, Item::k4D, Item::k9G, Item::k9Y, Item::k13X}) {
      SCOPED_TRACE(Spec(item).code);
      const QString before = f.Box(item);
      QString title, text;
      f.OpenInfo(item, [&](QDialog* d) {
        title = d->windowTitle();
        text = d->findChild<QLabel*>("explanation")->text();
        std::string name(Spec(item).code.substr(1, Spec(item).code.size() - 2));
        Shoot(d, "info_" + name + "_" + Suffix(language));
        d->findChild<QPushButton*>("ok")->click();
      });
      EXPECT_TRUE(title.startsWith(" Test:  [")) << title.toStdString();
      EXPECT_TRUE(title.contains(QString::fromUtf8(Spec(item).code.data(), Spec(item).code.size())));
      EXPECT_FALSE(text.isEmpty());
      EXPECT_EQ(f.Box(item), before);
      EXPECT_FALSE(f.form_.changed());
      EXPECT_EQ(f.page_.focusWidget(), f.page_.box(RecordBoxOf(item).id));  // back in the box it explains
    }
  }
}

std::string Name(Item item) {
  const std::string_view code = Spec(item).code;
  return std::string(code.substr(1, code.size() - 2));
}

// Picks with the mouse: the option button or the list line whose text starts with start.
void Pick(QDialog* d, const QString& start) {
  if (auto* list = d->findChild<QListWidget*>("lines")) {
    const auto found = list->findItems(start, Qt::MatchStartsWith);
    ASSERT_FALSE(found.isEmpty()) << start.toStdString();
    list->scrollToItem(found.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
    return;
  }
  for (QAbstractButton* b : d->findChildren<QAbstractButton*>()) {
    if (!b->text().startsWith(start) || b->objectName() == "ok") continue;
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));  // on the button, not beside its text
    return;
  }
  ADD_FAILURE() << "no choice " << start.toStdString();
}

TEST(InfoButtonWidget, PickersWriteTheChosenCodeOnOkAndNothingOnCancel) {
  constexpr struct {
    Item item;
    std::string_view stored;
    const char* pick;
    const char* shown;  // the box after OK
  } kCases[] = {
      {Item::k6Z, "H ", "HH= Local call", "HH"},
      {Item::k9D, "SR", "H  =  Horizontal linear ", "H "},
      {Item::k4B, "CZE", "Germany ....", "D  "},
      {Item::k6A, "XX", "  .....   Unfilled in", "  "},
      {Item::k1Z, "1", "4  =", "4"},
      {Item::k6B, "CP", "OT  =", "OT"},
      {Item::k13Y, "B", "C =  Agreed", "C"},
      {Item::k10Z, "0", "1:  Continuous", "1"},
      {Item::k8B2, "E", "I:   Power", "I"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(Name(c.item));
    FormUnderTest f(Language::English, Fixed({{c.item, c.stored}}));
    const QString before = f.Box(c.item);
    f.OpenInfo(c.item, [&](QDialog* d) {
      Pick(d, c.pick);
      d->findChild<QPushButton*>("cancel")->click();
    });
    EXPECT_EQ(f.Box(c.item), before);
    EXPECT_FALSE(f.form_.changed());
    f.OpenInfo(c.item, [&](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
    EXPECT_EQ(f.Box(c.item), before);
    f.OpenInfo(c.item, [&](QDialog* d) {
      Pick(d, c.pick);
      d->findChild<QPushButton*>("ok")->click();
    });
    EXPECT_EQ(f.Box(c.item), c.shown);
    EXPECT_TRUE(f.form_.changed());
    EXPECT_EQ(std::string(ItemText(f.form_.Record(), c.item)).substr(0, std::strlen(c.shown)), c.shown);
  }
}

TEST(InfoButtonWidget, FrequencyTypedKeyByKeySelectsTheBand) {
  FormUnderTest f(Language::English);
  f.OpenInfo(Item::k1A, [](QDialog* d) {
    auto* dialog = dynamic_cast<ui::FrequencyDialog*>(d);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->entry()->text(), "150.50000");
    EXPECT_EQ(dialog->bands()->checkedButton()->text(), "150.05 ... 174 ");
    dialog->entry()->selectAll();
    QTest::keyClicks(dialog->entry(), "5x00");
    EXPECT_EQ(dialog->entry()->text(), "500");
    EXPECT_EQ(dialog->status()->text(), "Out of freq. bands !!");
    EXPECT_EQ(dialog->bands()->checkedButton(), nullptr);
    QTest::keyClick(dialog->entry(), Qt::Key_Backspace);
    QTest::keyClick(dialog->entry(), Qt::Key_Backspace);
    QTest::keyClick(dialog->entry(), Qt::Key_Backspace);
    EXPECT_EQ(dialog->status()->text(), "Freq. unfilled in !!");
    QTest::keyClicks(dialog->entry(), "169.7");
    EXPECT_EQ(dialog->bands()->checkedButton()->text(), "  169.6125 ... 169.8125  ERMES ");
    EXPECT_EQ(dialog->status()->text(), "");
    QTest::keyClick(d, Qt::Key_Enter);  // "&OK" is the default button
  });
  EXPECT_EQ(f.Box(Item::k1A), "169.7");
  f.OpenInfo(Item::k1Y, [](QDialog* d) {
    auto* dialog = dynamic_cast<ui::FrequencyDialog*>(d);
    ASSERT_TRUE(dialog);
    QAbstractButton* gsm = dialog->bands()->button(11);
    QTest::mouseClick(gsm, Qt::LeftButton, {}, QPoint(8, gsm->height() / 2));
    EXPECT_EQ(dialog->entry()->text(), "903.0");
    dialog->okButton()->click();
  });
  EXPECT_EQ(f.Box(Item::k1Y), "903.0");
  EXPECT_EQ(std::string(ItemText(f.form_.Record(), Item::k1Y)), "  903.00000M");
}

TEST(InfoButtonWidget, DesignationTypedKeyByKeyAndChosenFromTheLists) {
  FormUnderTest f(Language::English);
  f.OpenInfo(Item::k7A, [](QDialog* d) {
    auto* dialog = dynamic_cast<ui::DesignationDialog*>(d);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->designation()->text(), "16K0F3E");
    EXPECT_EQ(dialog->list(DesignationPart::Modulation)->currentItem()->text().left(1), "F");
    dialog->designation()->selectAll();
    QTest::keyClicks(dialog->designation(), "12x.k5g1d");
    EXPECT_EQ(dialog->designation()->text(), "12K5G1D");
    EXPECT_EQ(dialog->list(DesignationPart::Bandwidth)->currentItem()->text().left(4), "14K0");
    QListWidget* multiplex = dialog->list(DesignationPart::Multiplex);
    const auto time = multiplex->findItems("T :", Qt::MatchStartsWith);
    ASSERT_FALSE(time.isEmpty());
    QTest::mouseClick(multiplex->viewport(), Qt::LeftButton, {}, multiplex->visualItemRect(time.front()).center());
    EXPECT_EQ(dialog->designation()->text(), "12K5G1D T");
    dialog->okButton()->click();
  });
  EXPECT_EQ(f.Box(Item::k7A), "12K5G1D T");
  EXPECT_EQ(std::string(ItemText(f.form_.Record(), Item::k7A)), "12K5G1D T");
}

TEST(InfoButtonWidget, ScreenshotsOfEveryDialogInBothLanguages) {
  const Item kItems[] = {Item::k1A, Item::k1Y, Item::k1Z, Item::k6A, Item::k6B, Item::k6Z, Item::k10Z,
                         Item::k4B, Item::k7A, Item::k8B2, Item::k9D, Item::k13Y};
  for (const Language language : {Language::English, Language::Czech}) {
    FormUnderTest f(language);
    for (const Item item : kItems) {
      SCOPED_TRACE(Name(item));
      QString title;
      f.OpenInfo(item, [&](QDialog* d) {
        title = d->windowTitle();
        Shoot(d, "info_" + Name(item) + "_" + Suffix(language));
        d->reject();
      });
      EXPECT_TRUE(title.startsWith(" Test:  [")) << title.toStdString();
    }
    QApplication::setActiveWindow(&f.page_);
    f.page_.box(RecordBoxOf(Item::k6A).id)->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(f.page_.infoButton()->text(), language == Language::English ? " Info: Class" : " Info: Trida");
    Shoot(&f.page_, std::string("record_form_info_button_") + Suffix(language));
  }
}

// The file viewer's help: each table read-only over the selected record, no "&OK", nothing written.
TEST(ViewerHelpWidget, TablesShowTheRecordsCodesReadOnly) {
  (void)App();
  const StationRecord record = Fixed({{Item::k6A, "ML"}, {Item::k9D, "SL"}});
  constexpr struct {
    ViewerTable table;
    const char* shot;
    const char* highlighted;  // the highlighted line of a code table, or the designation shown
  } kCases[] = {
      {ViewerTable::StationClass, "6A", "ML = Land mobile station "},
      {ViewerTable::Polarisation, "9D", "SL = Left-hand slant in 45"},
      {ViewerTable::Country, "4B", "Czech Republic ........ CZE"},
      {ViewerTable::Status, "13Y", "B =  Request for agreement"},
      {ViewerTable::Designation, "7A", "16K0F3E"},
      {ViewerTable::Reference, "13X", "CCC-ZZ-PPPPPP-FF-R-I"},
  };
  for (const Language language : {Language::English, Language::Czech}) {
    for (const auto& c : kCases) {
      SCOPED_TRACE(c.shot);
      QString title, shown;
      bool okVisible = true;
      WhenModal<QDialog>([&](QDialog* help) {
        auto* h = dynamic_cast<ui::ViewerHelpDialog*>(help);
        ASSERT_TRUE(h);
        title = help->windowTitle();
        QTest::mouseClick(h->choices()->button(static_cast<int>(c.table)), Qt::LeftButton, {}, QPoint(8, 8));
        WhenModal<QDialog>([&](QDialog* d) {
          okVisible = d->findChild<QPushButton*>("ok")->isVisible();
          if (auto* t = dynamic_cast<ui::ViewerTableDialog*>(d)) shown = t->lines()->currentItem()->text();
          if (auto* t = dynamic_cast<ui::DesignationDialog*>(d)) shown = t->designation()->text();
          if (auto* t = d->findChild<QLabel*>("explanation")) shown = t->text();
          Shoot(d, std::string("viewer_") + c.shot + "_" + Suffix(language));
          d->findChild<QPushButton*>("cancel")->click();
        });
        if (c.table == ViewerTable::StationClass) Shoot(help, std::string("viewer_help_") + Suffix(language));
        h->okButton()->click();  // "&Show"
        h->cancelButton()->click();
      });
      ui::ShowViewerHelp(language, " Test:", record, nullptr);
      EXPECT_FALSE(okVisible);
      EXPECT_TRUE(title.startsWith(" Test: ")) << title.toStdString();
      if (language == Language::English) EXPECT_TRUE(shown.startsWith(c.highlighted)) << shown.toStdString();
    }
  }
}

}  // namespace
}  // namespace recbook::testing
