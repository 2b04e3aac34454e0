// The Info dialogs as windows under the offscreen platform: button 9 of the record page follows
// the focus and opens the dialog of the focused box; typing key by key into the dialogs; "&OK"
// writing back into the form, "&Cancel" leaving it as it was; a screenshot of each dialog in both
// languages saved into the build tree.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "forms/record_form_presenter.h"
#include "forms/ui/record_form_page.h"
#include "tests/clean_station.h"
#include "testing/scripted_host.h"

namespace recbook::testing {
namespace {

using quorla::Language;

QApplication& App() {
  static int argc = 1;
  static char name[] = "info_dialogs_widget_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// Runs answer on the next modal dialog once it is shown.
void WhenDialog(std::function<void(QDialog*)> answer) {
  auto* timer = new QTimer;
  timer->setInterval(20);
  QObject::connect(timer, &QTimer::timeout, [timer, answer] {
    auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!d) return;
    timer->stop();
    timer->deleteLater();
    answer(d);
  });
  timer->start();
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
    WhenDialog([&](QDialog* d) {
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

}  // namespace
}  // namespace recbook::testing
