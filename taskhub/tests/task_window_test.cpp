// The task window under Qt: its size and controls in dialog units, the flag icons, the codes exec()
// returns for the flag button and the close box; pictures of both languages for the README.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include "task_window_presenter.h"
#include "testing/scripted_host.h"
#include "ui/dialog_units.h"
#include "ui/task_window.h"

namespace taskhub {
namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "taskhub_window_test";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

QAbstractButton* ButtonWithText(QWidget& w, const QString& text) {
  for (auto* b : w.findChildren<QAbstractButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

TEST(TaskWindow, ControlsInDialogUnits) {
  App();
  TaskWindow window;
  quorla::ScriptedHost host;
  TaskWindowPresenter presenter(window, host, 0, 3, " MIRANDEX: ");
  window.SetPresenter(&presenter);
  presenter.Open();
  const quorla::ui::DialogUnits du(window.font());
  EXPECT_EQ(window.size(), QSize(du.X(153), du.Y(99)));
  EXPECT_EQ(window.windowTitle(), " MIRANDEX: ");
  EXPECT_FALSE(window.windowIcon().isNull());
  constexpr struct { const char* text; int x, y, w, h; } kPlaces[] = {
      {" Map Viewer HCM-TOPO ", 15, 16, 114, 11}, {" Exchange data file Editor ", 15, 29, 114, 11},
      {" Antenna Editor ", 15, 42, 114, 11},      {"&Internet VA", 32, 64, 44, 13},
      {"&OK", 83, 64, 20, 13},                    {"&Cancel", 110, 64, 31, 13}};
  for (const auto& p : kPlaces) {
    SCOPED_TRACE(p.text);
    QAbstractButton* b = ButtonWithText(window, p.text);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->geometry(), du.Rect(p.x, p.y, p.w, p.h));
  }
  auto* group = window.findChild<QGroupBox*>();
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->title(), "Task:");
  EXPECT_EQ(group->geometry(), du.Rect(9, 4, 132, 53));
  EXPECT_TRUE(ButtonWithText(window, " Antenna Editor ")->isChecked());
}

// exec() returns the presenter's code: the flag button after choosing the editor, the close box.
TEST(TaskWindow, ExecReturnsTheCode) {
  App();
  constexpr struct { int language; bool flag; int code; const char* picture; } kCases[] = {
      {0, true, 102, "launcher_en.png"}, {1, false, -2, "launcher_cs.png"}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.code);
    TaskWindow window;
    quorla::ScriptedHost host;
    TaskWindowPresenter presenter(window, host, c.language, 1, " MIRANDEX: ");
    window.SetPresenter(&presenter);
    presenter.Open();
    QTimer::singleShot(0, &window, [&] {
      QDir().mkpath(QUORLA_SCREENSHOTS);
      window.grab().save(QString(QUORLA_SCREENSHOTS) + "/" + c.picture);
      window.findChildren<QRadioButton*>().at(1)->setChecked(true);
      auto* flag = window.findChildren<QPushButton*>().at(0);
      EXPECT_FALSE(flag->icon().isNull());
      if (c.flag) flag->click();
      else window.close();
    });
    EXPECT_EQ(window.exec(), c.code);
  }
}

}  // namespace
}  // namespace taskhub
