// The antenna editor's window under the offscreen platform: its title, buttons and keys, typing
// into a box, the entry point's block, and a screenshot of every page in both languages.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "antenna_edit_params.h"
#include "ui/antenna_editor_dialog.h"
#include "ui/kathrein_window.h"
#include "ui/surface_widget.h"

using radpattern::EditorEntry;
using radpattern::EditorPage;
using radpattern::ui::AntennaEditorDialog;

namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "editor_dialog_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

QPushButton* Button(QWidget& w, const QString& text) {
  for (QPushButton* b : w.findChildren<QPushButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

// Presses a key in the modal window as soon as it is up.
void PressWhenShown(Qt::Key key) {
  QTimer::singleShot(50, [key] {
    if (QWidget* w = QApplication::activeModalWidget()) QTest::keyClick(w, key);
  });
}

}  // namespace

TEST(AntennaEditorDialog, GeneralEditorHasNoTransferAndEscCloses) {
  App();
  EditorEntry e;
  e.caption = "Test";
  AntennaEditorDialog d(e, nullptr);
  EXPECT_EQ(d.windowTitle().toStdString(), "Test Antenna Editor  conformal to VA-99   (ver.1.7.)");
  EXPECT_FALSE(d.windowIcon().pixmap(32, 32).isNull());  // qrl4 from the library's resources
  ASSERT_NE(Button(d, "&Transfer"), nullptr);
  EXPECT_FALSE(Button(d, "&Transfer")->isEnabled());
  EXPECT_TRUE(Button(d, "&Close")->isEnabled());
  PressWhenShown(Qt::Key_Escape);
  EXPECT_EQ(d.Run(), 0);
}

TEST(AntennaEditorDialog, EnterTransfersAndTypingIsFiltered) {
  App();
  EditorEntry e;
  e.mode = 1;
  e.page = 1;
  AntennaEditorDialog d(e, nullptr);
  EXPECT_EQ(d.tabs()->currentIndex(), 1);
  d.show();
  auto* box = d.tabs()->currentWidget()->findChild<QLineEdit*>();
  ASSERT_NE(box, nullptr);
  box->selectAll();
  QTest::keyClicks(box, "4567");
  EXPECT_EQ(box->text().toStdString(), "359.9");
  EXPECT_FLOAT_EQ(d.presenter().state().aziMax, 359.9f);
  d.hide();
  PressWhenShown(Qt::Key_Return);
  EXPECT_EQ(d.Run(), 1);
}

TEST(AntennaEditorDialog, EveryPageInBothLanguagesIsDrawn) {
  App();
  const std::filesystem::path dir = std::filesystem::current_path() / "antenna_editor_screens";
  std::filesystem::create_directories(dir);
  for (const auto lang : {quorla::Language::English, quorla::Language::Czech}) {
    EditorEntry e;
    e.hcode = "030EA10";
    e.vcode = "320VE00";
    e.aziMax = 45;
    e.mode = 2;
    e.language = lang;
    e.caption = "Test";
    AntennaEditorDialog d(e, nullptr);
    d.show();
    for (int page = 0; page < 5; ++page) {
      d.tabs()->setCurrentIndex(page);
      QApplication::processEvents();
      const QImage shot = d.grab().toImage();
      const std::string name = std::string(lang == quorla::Language::English ? "en" : "cs") + "_page" + std::to_string(page) + ".png";
      EXPECT_TRUE(shot.save(QString::fromStdString((dir / name).string())));
      // The page's graph shows the presenter's picture with its red curve.
      const QImage graph = d.graph(static_cast<EditorPage>(page))->grab().toImage();
      bool red = false;
      for (int y = 0; y < graph.height() && !red; ++y)
        for (int x = 0; x < graph.width() && !red; ++x) red = (graph.pixel(x, y) & 0xFFFFFFu) == 0xFF0000u;
      EXPECT_TRUE(red) << name;
    }
  }
}

TEST(EDITANTVA, InvalidBlockComesBackNormalisedOnTransfer) {
  App();
  const std::filesystem::path config = std::filesystem::temp_directory_path() / "editantva_test_config";
  ::setenv("QUORLA_CONFIG_HOME", config.c_str(), 1);  // the user's own settings stay untouched
  AntennaEditParams p;
  std::memset(&p, 0, sizeof p);
  std::memcpy(p.hcode, "999EA99", 7);
  std::memcpy(p.vcode, "030EA10", 7);
  p.aziMax = 360.0f;
  p.eleMax = -80.0f;
  p.mode = 1;
  p.page = 9;
  std::strcpy(p.caption, "Cap");
  PressWhenShown(Qt::Key_Return);
  EXPECT_EQ(EDITANTVA(&p), 1);
  EXPECT_EQ(std::string(p.hcode, 7), "000ND00");
  EXPECT_EQ(std::string(p.vcode, 7), "030EA10");
  EXPECT_EQ(p.aziMax, 0.0f);
  EXPECT_EQ(p.eleMax, -80.0f);
  EXPECT_EQ(p.page, 0);
  std::memcpy(p.hcode, "030EA10", 7);
  PressWhenShown(Qt::Key_Escape);
  EXPECT_EQ(EDITANTVA(&p), 0);
  EXPECT_EQ(std::string(p.hcode, 7), "030EA10");  // untouched after Close
  EXPECT_FALSE(std::filesystem::exists(config / "registry.ini"));  // the Kathrein folder did not change
  std::filesystem::remove_all(config);
}

TEST(KathreinWindow, ButtonsInBothLanguagesAndTheEmptyPicture) {
  App();
  const std::filesystem::path dir = std::filesystem::current_path() / "antenna_editor_screens";
  std::filesystem::create_directories(dir);
  constexpr struct { quorla::Language lang; const char* texts[5]; const char* shot; } kCases[] = {
      {quorla::Language::English, {"&File", "Con&version", "C&opy to Clipboard", "&Results transfer", "&Close"}, "en_kathrein.png"},
      {quorla::Language::Czech, {"&Soubor", "Pře&vod dia.", "&Obr.do Clipboardu", "&Přenos výsledků", "&Zavřít"}, "cs_kathrein.png"},
  };
  for (const auto& c : kCases) {
    radpattern::ui::KathreinWindow w({"T", c.lang, 1, "/", "*.msi"}, nullptr);
    const bool enabled[5] = {true, false, false, false, true};
    for (int i = 0; i < 5; ++i) {
      QPushButton* b = w.button(static_cast<radpattern::KathreinButton>(i));
      EXPECT_EQ(b->text().toStdString(), c.texts[i]);
      EXPECT_EQ(b->isEnabled(), enabled[i]) << c.texts[i];
    }
    w.show();
    QApplication::processEvents();
    EXPECT_TRUE(w.grab().toImage().save(QString::fromStdString((dir / c.shot).string())));
  }
}

// The user's road through the Kathrein window: the editor's Kathrein button, a pattern file in the
// selection dialog, Conversion, Results transfer; the editor comes back on the 3D page with the
// fitted codes and Close returns 0 while the block already holds them.
TEST(EDITANTVA, KathreinConversionReopensTheEditorOnThe3DPage) {
  App();
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / "editantva_kathrein_test";
  fs::create_directories(dir);
  ::setenv("QUORLA_CONFIG_HOME", (dir / "config").c_str(), 1);
  const std::string file = (dir / "beam.msi").string();
  {
    std::ofstream f(file, std::ios::binary);
    f << "NAME beam\r\nFREQUENCY 800\r\nGAIN 10 dBd\r\nTILT\r\nCOMMENT\r\nHORIZONTAL 360\r\n";
    for (int i = 0; i < 360; ++i) f << i << ' ' << (i == 90 ? 0 : (i > 70 && i < 110 ? 1 : 25)) << "\r\n";
    f << "VERTICAL 360\r\n";
    for (int i = 0; i < 360; ++i) f << i << ' ' << (i < 10 || i > 350 ? 0 : 20) << "\r\n";
  }
  int editorOpenings = 0, pageOnReturn = -1;
  QTimer driver;
  driver.setInterval(30);
  QObject::connect(&driver, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* d = qobject_cast<QFileDialog*>(modal)) {
      if (auto* name = d->findChild<QLineEdit*>("fileNameEdit")) name->setText(QString::fromStdString(file));
      QMetaObject::invokeMethod(d, "accept");
    } else if (auto* k = dynamic_cast<radpattern::ui::KathreinWindow*>(modal)) {
      QPushButton* next = k->presenter().fit() ? k->button(radpattern::KathreinButton::ResultsTransfer)
                                               : k->button(radpattern::KathreinButton::Conversion);
      if (next->isEnabled()) next->click();
    } else if (auto* e = dynamic_cast<AntennaEditorDialog*>(modal); e && e->isVisible()) {
      if (editorOpenings++ == 0) {
        Button(*e, "from  &Kathrein files")->click();
      } else {
        pageOnReturn = e->tabs()->currentIndex();
        QTest::keyClick(e, Qt::Key_Escape);
      }
    }
  });
  driver.start();
  AntennaEditParams p;
  std::memset(&p, 0, sizeof p);
  p.mode = 1;
  EXPECT_EQ(EDITANTVA(&p), 0);
  driver.stop();
  EXPECT_EQ(editorOpenings, 2);
  EXPECT_EQ(pageOnReturn, 4);
  EXPECT_EQ(p.page, 4);
  EXPECT_NE(std::string(p.hcode, 7), "000ND00");
  EXPECT_NEAR(p.aziMax, 90.0f, 1.0f);
  EXPECT_TRUE(fs::exists(dir / "config" / "registry.ini"));  // the new Kathrein folder is kept
  fs::remove_all(dir);
}
