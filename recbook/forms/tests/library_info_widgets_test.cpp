// The windows of the Info dialogs that calculate or open the other libraries' windows, under the
// offscreen platform: typed key by key, buttons clicked, message boxes answered from a timer, the
// libraries answered by the scripted stand-in. Screenshots in both languages go to the build tree.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>

#include "forms/tests/scripted_library_calls.h"
#include "forms/ui/altitude_dialog.h"
#include "forms/ui/antenna_codes_dialog.h"
#include "forms/ui/coordinates_dialog.h"
#include "forms/ui/info_windows.h"
#include "forms/ui/power_dialog.h"
#include "point_altitude.h"
#include "ui/testing/when_modal.h"
#include "tests/scratch_folder.h"
#include "ui/qt_host.h"

namespace recbook::testing {
namespace {

using quorla::ui::testing::WhenModal;

QApplication& App() {
  static int argc = 1;
  static char name[] = "library_info_widgets_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// Answers the next message box with OK, keeping its title and text.
void AnswerMessage(QString* title, QString* text) {
  WhenModal<QMessageBox>([title, text](QMessageBox* box) {
    *title = box->windowTitle();
    *text = box->text();
    box->button(QMessageBox::Ok)->click();
  });
}

void Screenshot(QWidget& window, const std::string& name) {
  window.show();
  QApplication::processEvents();
  QDir().mkpath(QUORLA_SCREENSHOTS);
  EXPECT_TRUE(window.grab().save(QString(QUORLA_SCREENSHOTS) + "/" + QString::fromStdString(name)));
}

const char* Suffix(quorla::Language l) { return l == quorla::Language::English ? "_en.png" : "_cs.png"; }

class LibraryInfoWidgets : public ::testing::TestWithParam<quorla::Language> {
 protected:
  void SetUp() override { App(); }
  InfoRequest Request(Item item, std::initializer_list<Edit> edits = {}) {
    return RequestOf(item, edits, GetParam(), &calls_);
  }

  quorla::QtHost host_;
  ScriptedLibraryCalls calls_;
};

const int k8B1 = RecordBoxOf(Item::k8B1).id;
const int k8B2 = RecordBoxOf(Item::k8B2).id;

TEST_P(LibraryInfoWidgets, PowerCalculatorTypedKeyByKey) {
  ui::PowerDialog dialog(host_, Request(Item::k8B1), nullptr);
  QTest::keyClicks(dialog.power(), "25");
  dialog.gain()->clear();
  QTest::keyClicks(dialog.gain(), "10");
  dialog.loss()->clear();
  QTest::keyClicks(dialog.loss(), "3x");  // the letter is refused
  EXPECT_EQ(dialog.loss()->text(), "3");
  EXPECT_EQ(dialog.result()->text(), "ERPmax =  21.0 dBW");
  dialog.isotropic()->click();
  EXPECT_EQ(dialog.result()->text(), "EIRPmax =  21.0 dBW");
  dialog.milliwatts()->click();
  EXPECT_EQ(dialog.result()->text(), "EIRPmax =  -9.0 dBW");
  QTest::keyClicks(dialog.power(), "0000");  // 250000 mW
  EXPECT_EQ(dialog.result()->text(), "EIRPmax =  31.0 dBW  > 30 dBW");
  Screenshot(dialog, std::string("info_power") + Suffix(GetParam()));
  dialog.okButton()->click();
  EXPECT_EQ(dialog.writes(), (BoxWrites{{k8B1, "31.0"}, {k8B2, "I"}}));
  EXPECT_FALSE(dialog.isVisible());
}

TEST_P(LibraryInfoWidgets, PowerCalculatorOkWithoutPowerStaysOpen) {
  ui::PowerDialog dialog(host_, Request(Item::k8B1), nullptr);
  dialog.show();
  dialog.okButton()->click();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(dialog.writes().empty());
  dialog.cancelButton()->click();
  EXPECT_FALSE(dialog.isVisible());
}

TEST_P(LibraryInfoWidgets, CoordinatesConversionAndMap) {
  ScratchFolder scratch;
  quorla::SettingsStore settings(scratch.path() + "registry.ini");
  ui::CoordinatesDialog dialog(host_, Request(Item::k4C), calls_, settings, nullptr);
  host_.SetParent(&dialog);
  Screenshot(dialog, std::string("info_coordinates") + Suffix(GetParam()));
  EXPECT_TRUE(dialog.position()->text().contains("014 E 25 30"));
  calls_.result = 1;
  calls_.coords = "015E0000,49N3000";
  dialog.conversionButton()->click();
  ASSERT_TRUE(calls_.conversion.has_value());
  const uint32_t parent = calls_.conversion->parent;  // a packed member, read by value
  EXPECT_EQ(parent, dialog.WindowHandle());
  EXPECT_NE(parent, 0u);
  EXPECT_TRUE(dialog.position()->text().contains("015 E 00 00"));
  EXPECT_TRUE(dialog.isVisible());

  calls_.terrainDirectory = "";
  QString title, text;
  AnswerMessage(&title, &text);
  dialog.mapButton()->click();
  EXPECT_TRUE(title.endsWith(GetParam() == quorla::Language::English ? " DTM directory Error" : " Chyba adresáře DTM"));
  EXPECT_FALSE(calls_.map.has_value());
  EXPECT_TRUE(dialog.isVisible());

  calls_.terrainDirectory = scratch.path();
  calls_.coords = "016E0000,48N0000";
  dialog.mapButton()->click();
  ASSERT_TRUE(calls_.map.has_value());
  EXPECT_EQ(dialog.writes(), (BoxWrites{{kLongitudeBox, "016 E 00 00"}, {kLatitudeBox, "48 N 00 00"}}));
  EXPECT_FALSE(dialog.isVisible());  // closed after the Transfer
}

TEST_P(LibraryInfoWidgets, AltitudeWithoutTerrainData) {
  calls_.terrainDirectory = "";
  ui::AltitudeDialog dialog(Request(Item::k4Z), calls_, nullptr);
  EXPECT_TRUE(dialog.altitude()->text().endsWith("(014 E 25 30, 50 N 05 30)  =  ???"));
  Screenshot(dialog, std::string("info_altitude") + Suffix(GetParam()));
  quorla::PointAltitude(-999, 0);
}

TEST_P(LibraryInfoWidgets, AntennaCodesOpenTheEditorAndCloseAfterTransfer) {
  ui::AntennaCodesDialog dialog(Request(Item::k9XV), calls_, nullptr);
  Screenshot(dialog, std::string("info_antenna_codes") + Suffix(GetParam()));
  dialog.editorButton()->click();  // closed by the editor: the dialog stays
  ASSERT_TRUE(calls_.antenna.has_value());
  EXPECT_EQ(calls_.antenna->page, 2);
  EXPECT_TRUE(dialog.isVisible());
  calls_.result = 1;
  calls_.hcode = "090EA10";
  calls_.vcode = "000ND00";
  calls_.aziMax = 90;
  dialog.editorButton()->click();
  ASSERT_EQ(dialog.writes().size(), 4u);
  EXPECT_EQ(dialog.writes()[0].text, "090EA10");
  EXPECT_EQ(dialog.writes()[2].text, "90.0");
  EXPECT_FALSE(dialog.isVisible());
}

// The dialogs that need the libraries' windows open nothing where the form has none.
TEST_P(LibraryInfoWidgets, WithoutTheLibrariesNothingOpens) {
  for (Item item : {Item::k4C, Item::k4Z, Item::k9A, Item::k9XH}) {
    const InfoRequest request = RequestOf(item, {}, GetParam(), nullptr);
    const ui::InfoWindowOpener open = ui::InfoWindowFor(request.dialog);
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(open(request, nullptr).empty());
  }
}

// [9A] and [9B] open the editor itself from the Info button's table.
TEST_P(LibraryInfoWidgets, AzimuthAndElevationOpenTheEditorDirectly) {
  calls_.result = 1;
  calls_.hcode = "090EA10";
  calls_.vcode = "000ND00";
  calls_.eleMax = -3;
  const InfoRequest request = Request(Item::k9B);
  const BoxWrites writes = ui::InfoWindowFor(request.dialog)(request, nullptr);
  ASSERT_TRUE(calls_.antenna.has_value());
  EXPECT_EQ(calls_.antenna->page, 3);
  ASSERT_EQ(writes.size(), 4u);
  EXPECT_EQ(writes[3], (BoxWrite{RecordBoxOf(Item::k9B).id, "-03.0"}));
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, LibraryInfoWidgets,
                         ::testing::Values(quorla::Language::English, quorla::Language::Czech));

}  // namespace
}  // namespace recbook::testing
