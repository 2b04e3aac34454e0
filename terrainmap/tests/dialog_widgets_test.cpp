// The entry box typed into key by key, and the three dialogs opened through the library's entry
// points under the offscreen platform, answered from a timer. Screenshots of every dialog in both
// languages are written to the build tree for people to look at.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

#include "map_params.h"
#include "settings_store.h"
#include "modal_dialogs.h"
#include "ui/geo_entry_edit.h"

namespace terrainmap {
namespace {

namespace fs = std::filesystem;
using ui::GeoEntryEdit;
using test::Button;
using test::EntryBoxes;
using test::WhenModal;

QApplication& App() {
  static int argc = 1;
  static char name[] = "dialog_widgets_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// One key ("\b" for Backspace) and what the box holds after it: text, then the selection (the
// caret when equal).
struct Key {
  const char* key;
  const char* text;
  int start, end;
};

struct Script {
  const char* name;
  GeoEntryEdit::Mode mode;
  GeoBoxProperties properties;
  const char* initial;
  int focusStart, focusEnd;  // the selection placed on focus
  std::vector<Key> keys;
};

const Script kScripts[] = {
    {"longitude, skip over E",
     GeoEntryEdit::Mode::Longitude,
     {},
     "000 E 00 00",
     1, 11,
     {{"1", "010 E 00 00", 2, 2},
      {"5", "015 E 00 00", 6, 6},   // over " E " into the minutes
      {"3", "015 E 30 00", 7, 7},
      {"7", "015 E 37 00", 9, 9},   // over the blank into the seconds
      {"w", "015 W 37 00", 9, 9},   // a lower-case w after the degrees
      {"6", "015 W 37 00", 9, 9},   // a seconds tens digit of 6 is refused
      {"5", "015 W 37 50", 10, 10},
      {"9", "015 W 37 59", 10, 10},  // the caret never passes 10
      {"\b", "015 W 37 00", 9, 9}}},  // the 9 slides into the tens and is dropped
    {"longitude, one step, selection from the first digit",
     GeoEntryEdit::Mode::Longitude,
     {-1, 1, 0, 0},
     "123 E 45 00",
     0, 11,
     {{"0", "000 E 00 00", 1, 1},
      {"1", "010 E 00 00", 2, 2},
      {"5", "015 E 00 00", 4, 4},   // one step: onto the hemisphere letter
      {"7", "015 E 00 00", 6, 6}}},  // a minutes tens digit 7 becomes 0, the caret on it
    {"latitude over the limit",
     GeoEntryEdit::Mode::Latitude,
     {},
     "49 N 00 00",
     0, 10,
     {{"9", "90 N 00 00", 1, 1},
      {"5", "00 N 00 00", 0, 10},   // 95 degrees: reset, the whole text selected
      {"4", "40 N 00 00", 1, 1},
      {"9", "49 N 00 00", 5, 5},
      {"s", "49 S 00 00", 5, 5}}},
    {"planar",
     GeoEntryEdit::Mode::Planar,
     {},
     "3500 000",
     0, 8,
     {{"4", "4000 000", 1, 1},
      {"5", "4500 000", 2, 2},
      {"x", "4500 000", 2, 2},
      {"0", "4500 000", 3, 3},
      {"1", "4501 000", 5, 5}}},
};

TEST(GeoEntryEdit, TypedKeyByKey) {
  App();
  for (const Script& s : kScripts) {
    SCOPED_TRACE(s.name);
    QWidget window;
    auto* other = new QLineEdit(&window);
    auto* box = new GeoEntryEdit(s.mode, s.properties, false, &window);
    box->move(0, 30);
    box->PutText(s.initial);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    box->setFocus();
    EXPECT_EQ(box->selectionStart(), s.focusStart);
    EXPECT_EQ(box->selectionEnd(), s.focusEnd);
    int step = 0;
    for (const Key& k : s.keys) {
      SCOPED_TRACE(++step);
      if (k.key[0] == '\b') QTest::keyClick(box, Qt::Key_Backspace);
      else QTest::keyClicks(box, k.key);
      EXPECT_EQ(box->text().toStdString(), k.text);
      if (k.start == k.end) {
        EXPECT_FALSE(box->hasSelectedText());
        EXPECT_EQ(box->cursorPosition(), k.start);
      } else {
        EXPECT_EQ(box->selectionStart(), k.start);
        EXPECT_EQ(box->selectionEnd(), k.end);
      }
    }
  }
}

TEST(GeoEntryEdit, NoReactionWithoutTheFocus) {
  App();
  GeoEntryEdit box(GeoEntryEdit::Mode::Longitude, {});
  int normalised = 0;
  box.OnNormalised([&] { ++normalised; });
  box.setText("x1");
  EXPECT_EQ(box.text(), "x1");
  EXPECT_EQ(normalised, 0);
}

void Shoot(QDialog* d, const std::string& file) {
  EXPECT_TRUE(d->grab().save(QString::fromStdString(std::string(TERRAINMAP_SCREENSHOT_DIR) + "/" + file)));
}

// Each test has its own settings folder and data folder.
class EntryPoints : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    root_ = fs::temp_directory_path() /
            ("quorla_mapdlg_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "cfg");
    fs::create_directories(root_ / "data");
    ::setenv("QUORLA_CONFIG_HOME", (root_ / "cfg").c_str(), 1);
    ::setenv("QUORLA_DATA_DIR", (root_ / "data").c_str(), 1);
  }
  void TearDown() override {
    ::unsetenv("QUORLA_CONFIG_HOME");
    ::unsetenv("QUORLA_DATA_DIR");
    fs::remove_all(root_);
  }
  static TransfSourParams Block(uint8_t language, const char* text, int32_t buttons) {
    TransfSourParams p{};
    p.language = language;
    std::strcpy(p.caption, "Test");
    std::strcpy(p.coords, text);
    p.buttons = buttons;
    p.x = p.y = -1;
    return p;
  }
  fs::path root_;
};

TEST_F(EntryPoints, TransfsourTypedIntoAndConfirmed) {
  quorla::SettingsStore store;
  store.CreateOrOpenKey(quorla::kQuorlaKey);
  store.SetText(quorla::kQuorlaKey, "GeoSyst", "1");
  TransfSourParams p = Block(0, "016E0000,50N0000", 7);
  std::string shown;
  WhenModal([&](QDialog* d) {
    EXPECT_EQ(d->windowTitle(), "Test Conversion of Marker geo.coordinates");
    ASSERT_TRUE(QTest::qWaitForWindowActive(d));
    auto boxes = EntryBoxes(d);
    ASSERT_EQ(boxes.size(), 2u);
    boxes[0]->setFocus();
    QTest::keyClicks(boxes[0], "15");  // the selection starts at the second degree digit
    EXPECT_EQ(boxes[0]->text(), "015 E 00 00");
    Shoot(d, "transfsour_en.png");
    for (QLineEdit* e : d->findChildren<QLineEdit*>())
      if (e->isReadOnly()) shown += e->text().toStdString();
    Button(d, "&OK")->click();
  });
  EXPECT_EQ(TRANSFSOUR(&p), 1);
  EXPECT_EQ(p.buttons, 0);  // 7 is written back as 0
  EXPECT_EQ(shown.substr(0, 13), "014 E 59 53 ,");
  EXPECT_EQ(std::string(p.coords), quorla::WithoutBlanks(shown));
  EXPECT_EQ(quorla::SettingsStore().QueryText(quorla::kQuorlaKey, "GeoSyst"), "1");
}

TEST_F(EntryPoints, TransfsourInCzechPlanarAndFind) {
  TransfSourParams p = Block(1, "015E0000,50N0000", 1);
  p.kind = 2;
  WhenModal([&](QDialog* d) {
    EXPECT_EQ(d->windowTitle(), "Test Konverze geo.souřadnic Příjmače");
    auto* list = d->findChild<QComboBox*>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 15);
    list->setCurrentIndex(2);
    auto boxes = EntryBoxes(d);
    EXPECT_EQ(boxes[0]->text(), "3500 000");
    Shoot(d, "transfsour_cs.png");
    for (QPushButton* b : d->findChildren<QPushButton*>()) EXPECT_NE(b->text(), "&OK");
    Button(d, "&Najdi geo.souř. v mapě")->click();
  });
  EXPECT_EQ(TRANSFSOUR(&p), 2);
  EXPECT_EQ(std::string(p.coords).substr(0, 8), "014E5953");
  EXPECT_EQ(quorla::SettingsStore().QueryText(quorla::kQuorlaKey, "GeoSyst"), "2");
}

TEST_F(EntryPoints, TransfsourCancelledLeavesTheBlock) {
  TransfSourParams p = Block(0, "015E0000,50N0000", 2);
  WhenModal([](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
  EXPECT_EQ(TRANSFSOUR(&p), 0);
  EXPECT_STREQ(p.coords, "015E0000,50N0000");
  EXPECT_EQ(p.buttons, 2);
  EXPECT_FALSE(quorla::SettingsStore().QueryText(quorla::kQuorlaKey, "GeoSyst"));  // unchanged: not written
}

TEST_F(EntryPoints, ModalOverItsOwnerWherePlaced) {
  QWidget owner;
  owner.setGeometry(40, 30, 700, 520);  // within the offscreen screen of 800 x 600
  owner.show();
  TransfSourParams p = Block(0, "", 0);
  p.parent = static_cast<uint32_t>(owner.winId());
  p.x = -3;  // flush with the owner's right edge
  p.y = -2;  // and with its top
  WhenModal([&](QDialog* d) {
    EXPECT_EQ(d->parentWidget(), &owner);
    EXPECT_TRUE(d->isModal());
    const QRect o = owner.frameGeometry(), f = d->frameGeometry();
    EXPECT_EQ(f.right(), o.right());
    EXPECT_EQ(f.top(), o.top());
    d->reject();
  });
  EXPECT_EQ(NASTAVGEOPROP(&p), 0);
}

TEST_F(EntryPoints, NastavadresBothLanguagesAndOk) {
  for (uint8_t language : {0, 1}) {
    TransfSourParams p = Block(language, "", 0);
    WhenModal([&](QDialog* d) {
      Shoot(d, language == 0 ? "nastavadres_en.png" : "nastavadres_cs.png");
      Button(d, language == 0 ? "&Cancel" : "&Zrušit")->click();
    });
    EXPECT_EQ(NASTAVADRES(&p), 0);
  }
  fs::create_directories(root_ / "topo" / "W010");
  std::ofstream(root_ / "topo" / "W010" / "W010S20.G3E") << "x";
  TransfSourParams p = Block(0, "", 0);
  p.kind = 1;  // save forced
  WhenModal([&](QDialog* d) {
    auto edits = d->findChildren<QLineEdit*>();
    ASSERT_EQ(edits.size(), 2);
    edits[0]->setText(QString::fromStdString((root_ / "topo").string()));
    Button(d, "&OK")->click();
  });
  EXPECT_EQ(NASTAVADRES(&p), 1);
  EXPECT_EQ(std::string(p.coords), (root_ / "topo").string());
  EXPECT_EQ(quorla::SettingsStore().QueryText(quorla::kQuorlaKey, "DtmHcm"), (root_ / "topo").string());
}

TEST_F(EntryPoints, NastavgeopropBothLanguagesStoresOnOk) {
  TransfSourParams p = Block(1, "", 0);
  WhenModal([&](QDialog* d) {
    Shoot(d, "nastavgeoprop_cs.png");
    Button(d, "&Zrušit")->click();
  });
  EXPECT_EQ(NASTAVGEOPROP(&p), 0);
  EXPECT_FALSE(quorla::SettingsStore().QueryText(quorla::kQuorlaKey, "GeoTxtBox"));
  p = Block(0, "", 0);
  WhenModal([&](QDialog* d) {
    Shoot(d, "nastavgeoprop_en.png");
    for (QRadioButton* r : d->findChildren<QRadioButton*>())
      if (r->text().startsWith("3-rd")) r->click();
    Button(d, "&OK")->click();
  });
  EXPECT_EQ(NASTAVGEOPROP(&p), 1);
  EXPECT_EQ(quorla::SettingsStore().QueryText(quorla::kQuorlaKey, "GeoTxtBox"), " 1, 0, 0, 0");
}

TEST_F(EntryPoints, DirectoryChecksThroughTheLibrary) {
  fs::create_directories(root_ / "lines");
  std::ofstream(root_ / "lines" / "AUT.CBR") << "x";
  EXPECT_STREQ(VERADRHCM(nullptr), "");  // no fallback in the test's data folder
  EXPECT_STREQ(VERADRHRA((root_ / "nothing").c_str()), "");
  EXPECT_EQ(std::string(VERADRHRA((root_ / "lines").c_str())), (root_ / "lines").string());
}

}  // namespace
}  // namespace terrainmap
