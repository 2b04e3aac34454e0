// The utilities' widgets under the offscreen platform: the date and time dialog typed into key by
// key, OK and Escape, with the scripted Host standing for the clock (this machine's clock is never
// set); the record form's co-ordinate boxes taking new entry-box properties at once. Screenshots of
// the dialog in both languages are written to the build tree.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "forms/record_box_texts.h"
#include "forms/ui/record_form_page.h"
#include "testing/scripted_host.h"
#include "utilities/clock_dialog_presenter.h"
#include "utilities/ui/clock_dialog.h"

using namespace recbook;

namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "utilities_widgets_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

struct OpenDialog {
  explicit OpenDialog(quorla::Language l) : dialog(nullptr, l), presenter(host, dialog, l, " Test:") {
    host.SetNow({2026, 12, 8, 14, 5, 33});
    dialog.Bind(presenter);
    dialog.show();
    QApplication::processEvents();
  }
  ~OpenDialog() { host.VerifyAllConsumed(); }
  void Retype(QLineEdit* box, const char* keys) {
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, keys);
  }

  QApplication& app = App();  // before the first widget
  quorla::ScriptedHost host;
  ui::ClockDialog dialog;
  ClockDialogPresenter presenter;
};

TEST(ClockDialogWidget, TypedKeyByKeyAndSetThroughTheHost) {
  OpenDialog d(quorla::Language::English);
  EXPECT_EQ(d.dialog.windowTitle(), " Test: Setting  of  PC Date + Time");
  EXPECT_EQ(d.dialog.dateBox()->text(), "08-12-2026");
  EXPECT_EQ(d.dialog.timeBox()->text(), "14:05");
  EXPECT_TRUE(d.dialog.dateBox()->hasFocus());

  d.Retype(d.dialog.dateBox(), "01a02-20039");
  EXPECT_EQ(d.dialog.dateBox()->text(), "01-02-2003");
  EXPECT_EQ(d.dialog.dateBox()->cursorPosition(), 10);
  d.Retype(d.dialog.timeBox(), "9");
  QTest::keyClick(d.dialog.okButton(), Qt::Key_Space);  // too short: a beep, the time box again
  EXPECT_EQ(d.host.beeps(), 1);
  EXPECT_TRUE(d.dialog.isVisible());
  EXPECT_TRUE(d.dialog.timeBox()->hasFocus());
  d.Retype(d.dialog.timeBox(), "0930");
  EXPECT_EQ(d.dialog.timeBox()->text(), "09:30");
  d.dialog.okButton()->click();
  ASSERT_TRUE(d.host.clockSet());
  EXPECT_EQ(d.host.clockSet()->day, 1);
  EXPECT_EQ(d.host.clockSet()->minute, 30);
  EXPECT_EQ(d.dialog.result(), QDialog::Accepted);
  EXPECT_FALSE(d.dialog.isVisible());
}

TEST(ClockDialogWidget, EscapeChangesNothing) {
  OpenDialog d(quorla::Language::Czech);
  EXPECT_EQ(d.dialog.cancelButton()->text(), "&Zrušit");
  d.Retype(d.dialog.dateBox(), "01022003");
  QTest::keyClick(&d.dialog, Qt::Key_Escape);
  EXPECT_FALSE(d.dialog.isVisible());
  EXPECT_FALSE(d.host.clockSet());
}

TEST(ClockDialogWidget, ScreenshotsInBothLanguages) {
  for (const auto l : {quorla::Language::English, quorla::Language::Czech}) {
    OpenDialog d(l);
    const std::string file = std::string(RECBOOK_SCREENSHOT_DIR) + "/clock_dialog_" +
                             (l == quorla::Language::English ? "en" : "cs") + ".png";
    EXPECT_TRUE(d.dialog.grab().save(QString::fromStdString(file)));
  }
}

// The selection a co-ordinate box gets with the focus moves as soon as the page takes new
// properties (the longitude from its second digit by default, from the third with lonStart 1).
TEST(RecordFormPageWidget, CoordinateBoxesTakeNewPropertiesAtOnce) {
  App();
  QWidget other;
  ui::RecordFormPage page(quorla::Language::English, {});
  QLineEdit* longitude = page.box(kLongitudeBox);
  QLineEdit* latitude = page.box(kLatitudeBox);
  page.ShowBoxText(kLongitudeBox, "015 E 00 00");
  page.ShowBoxText(kLatitudeBox, "49 N 00 00");
  page.show();
  const auto focusStart = [&](QLineEdit* box) {
    page.activateWindow();
    box->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    const int start = box->selectionStart();
    box->clearFocus();
    return start;
  };
  EXPECT_EQ(focusStart(longitude), 1);
  EXPECT_EQ(focusStart(latitude), 0);
  page.UseGeoBoxProperties({1, 0, 1, 0});
  EXPECT_EQ(focusStart(longitude), 2);
  EXPECT_EQ(focusStart(latitude), 1);
}

}  // namespace
