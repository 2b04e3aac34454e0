// The editor window and the entry points under the offscreen platform: a generated file opened
// through the real dialogs, the menus, tagging with the mouse, sorting and the save question.
// Message boxes and file dialogs are answered from a timer. Screenshots of the window in both
// languages are written to the build tree for people to look at.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>

#include "editor_params.h"
#include "editor_test_support.h"
#include "tests/file_dialog_answer.h"
#include "ui/testing/when_modal.h"
#include "listing/list_line.h"
#include "settings_store.h"
#include "correction/correction_texts.h"
#include "ui/correction_dialog.h"
#include "forms/ui/header_form_page.h"
#include "forms/ui/record_form_page.h"
#include "records/item_table.h"
#include "listing/list_heading.h"
#include "ui/column_heading_bar.h"
#include "ui/editor_window.h"
#include "records/sample_generator.h"
#include "ui/record_list_model.h"
#include "ui/record_list_view.h"
#include "ui/status_parts.h"
#include "ui/qt_translation.h"
#include "ui/viewer_window.h"
#include "forms/ui/code_picker_dialog.h"
#include <QAbstractButton>
#include <QButtonGroup>
#include "ui/window_texts.h"

using namespace recbook;
using namespace recbook::testing;

namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "editor_window_test";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

using quorla::ui::testing::WhenModal;

void AnswerMessage(QMessageBox::StandardButton button, QString* text = nullptr) {
  WhenModal<QMessageBox>([button, text](QMessageBox* box) {
    if (text) *text = box->text();
    box->button(button)->click();
  });
}

QPoint RowPoint(ui::RecordListView& list, int row, int x) {
  const QRect r = list.visualRect(list.model()->index(row, 0));
  return {x, r.center().y()};
}

class EditorWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    setenv("QUORLA_CONFIG_HOME", dir_.path().c_str(), 1);
  }
  ScratchFolder dir_;
};

TEST_F(EditorWindowTest, OpenTagSortAndCloseWithTheSaveQuestion) {
  ui::EditorWindow window({" Test:", quorla::Language::English, "/tmp/", ""}, nullptr);
  window.presenter().Start();
  window.show();
  EXPECT_FALSE(window.menu(MenuPosition::Blank)->menuAction()->isEnabled());
  EXPECT_TRUE(window.menu(MenuPosition::Blank)->title().isEmpty());
  EXPECT_FALSE(window.menu(MenuPosition::Sort)->menuAction()->isEnabled());
  EXPECT_FALSE(window.action(kSaveFile)->isEnabled());

  QAbstractItemModelTester tester(window.listView().model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
  const std::string path = dir_.Sample("window.xms", 40, 11);
  ChooseFile(path);
  window.action(kOpenFile)->trigger();
  ASSERT_EQ(window.presenter().list().size(), 40u);
  EXPECT_EQ(window.status().Part(0), " File contents:  40  Rec");
  EXPECT_TRUE(window.menu(MenuPosition::Sort)->menuAction()->isEnabled());
  EXPECT_TRUE(window.action(kSaveFile)->isEnabled());
  EXPECT_FALSE(window.status().progress().isVisible());
  EXPECT_EQ(window.listView().font().family(), "Courier New");
  EXPECT_EQ(QFontInfo(window.listView().font()).family(), "Liberation Mono");

  // A press in the tag column tags the line; a press further right only selects.
  ui::RecordListView& list = window.listView();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, RowPoint(list, 2, 8));
  EXPECT_TRUE(window.presenter().list().IsTagged(2));
  EXPECT_EQ(list.model()->index(2, 0).data().toString().at(0), QChar(0xA4));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, RowPoint(list, 5, 200));
  EXPECT_FALSE(window.presenter().list().IsTagged(5));
  EXPECT_EQ(window.status().Part(1), " Rec  6  selected");
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, RowPoint(list, 7, 8));
  EXPECT_TRUE(window.presenter().list().IsTagged(5));  // both selected lines flip
  EXPECT_TRUE(window.presenter().list().IsTagged(7));
  EXPECT_EQ(window.status().Part(2), " Taged Rec:  3");
  EXPECT_TRUE(window.action(kDeleteTagged)->isEnabled());

  window.action(309)->trigger();
  EXPECT_TRUE(window.action(309)->isChecked());
  EXPECT_FALSE(window.action(300)->isChecked());
  EXPECT_EQ(window.status().Part(4), " sorting:  Power");
  EXPECT_EQ(window.presenter().list().TaggedCount(), 3u);  // tags move with their lines
  EXPECT_EQ(window.presenter().list().RecordNumber(window.listView().CaretRow()),
            window.presenter().list().RecordNumber(0)) << "a new order starts at its first line";
  // The same order again: the selection and the caret stay on their lines.
  list.SelectRows(std::vector<size_t>{4, 9, 10}, 9);
  std::vector<uint32_t> chosen;
  for (size_t row : list.SelectedRows()) chosen.push_back(window.presenter().list().RecordNumber(row));
  const uint32_t caretRecord = window.presenter().list().RecordNumber(list.CaretRow());
  window.action(309)->trigger();
  std::vector<uint32_t> still;
  for (size_t row : list.SelectedRows()) still.push_back(window.presenter().list().RecordNumber(row));
  std::sort(chosen.begin(), chosen.end());
  std::sort(still.begin(), still.end());
  EXPECT_EQ(still, chosen);
  EXPECT_EQ(window.presenter().list().RecordNumber(list.CaretRow()), caretRecord);

  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, RowPoint(list, 0, 200));  // a double click follows a press
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, RowPoint(list, 0, 200));
  EXPECT_EQ(window.tabs().currentIndex(), kRecordPage);
  EXPECT_TRUE(window.information().startsWith("Rec No. = "));
  window.tabs().setCurrentIndex(kListPage);
  EXPECT_EQ(window.tabs().currentIndex(), kListPage);

  window.action(kDeleteTagged)->trigger();
  EXPECT_EQ(window.information(), "DEL Rec: 3");
  QString question;
  AnswerMessage(QMessageBox::Cancel, &question);
  window.close();
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(question.startsWith("You have made  3  changes,  but only  \nin Working copy"));
  AnswerMessage(QMessageBox::No);
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  window.presenter().Finish();
}

// A sort through the model moves the selection and the current index with their lines.
TEST_F(EditorWindowTest, ModelSortKeepsTheSelectionOnItsLines) {
  RecordList lines;
  SampleGenerator gen(60);
  for (uint32_t k = 1; k <= 60; ++k) lines.Append(gen.Next(), k);
  ui::RecordListModel model(lines, [&](size_t row) { return lines.Line(row); });
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  model.Reset();
  QItemSelectionModel selection(&model);
  for (const int row : {3, 4, 5, 41}) selection.select(model.index(row), QItemSelectionModel::Select);
  selection.setCurrentIndex(model.index(41), QItemSelectionModel::NoUpdate);
  for (const int order : {305, 315, 309, 300}) {
    SCOPED_TRACE(order);
    std::set<uint32_t> before;
    for (const QModelIndex& i : selection.selectedIndexes()) before.insert(lines.RecordNumber(static_cast<size_t>(i.row())));
    const uint32_t current = lines.RecordNumber(static_cast<size_t>(selection.currentIndex().row()));
    model.Reorder([&](std::span<size_t> rows) { lines.Sort(order, rows); });
    std::set<uint32_t> after;
    for (const QModelIndex& i : selection.selectedIndexes()) after.insert(lines.RecordNumber(static_cast<size_t>(i.row())));
    EXPECT_EQ(after, before);
    EXPECT_EQ(lines.RecordNumber(static_cast<size_t>(selection.currentIndex().row())), current);
  }
}

// An opened window of a sample register, shown at a given size.
class OpenedWindow {
 public:
  OpenedWindow(const ScratchFolder& dir, const std::string& name, long long records, QSize size = {1100, 600})
      : window_({" Test:", quorla::Language::English, "/tmp/", ""}, nullptr) {
    window_.presenter().Start();
    window_.resize(size);
    window_.show();
    QApplication::setActiveWindow(&window_);
    ChooseFile(dir.Sample(name, records, 5));
    window_.action(kOpenFile)->trigger();
    QApplication::processEvents();
  }
  ~OpenedWindow() { window_.presenter().Finish(); }
  ui::EditorWindow& operator*() { return window_; }
  ui::EditorWindow* operator->() { return &window_; }

 private:
  ui::EditorWindow window_;
};

// The x of character i of a text drawn from left in the list's font.
int CharacterX(const QFontMetrics& m, int left, const QString& text, int i) { return left + m.horizontalAdvance(text.left(i)); }

// Each view's heading stands character for character over the list's lines, also when the list
// is scrolled horizontally.
TEST_F(EditorWindowTest, HeadingCharactersOverTheLineCharacters) {
  OpenedWindow window(dir_, "heading.xms", 30, {700, 500});  // narrower than a line: it scrolls
  ui::RecordListView& list = window->listView();
  const ui::ColumnHeadingBar& heading = window->heading();
  const QFontMetrics m(list.font());
  ASSERT_EQ(heading.font(), list.font());
  const struct {
    int order;
    ListView view;
  } kViews[] = {{300, ListView::A}, {315, ListView::B}, {312, ListView::C}};
  for (const auto& v : kViews) {
    SCOPED_TRACE(v.order);
    window->action(v.order)->trigger();
    EXPECT_EQ(heading.text(), ui::Q(ListHeading(v.view, quorla::Language::English)));
    for (const int scroll : {0, 120}) {
      list.horizontalScrollBar()->setValue(scroll);
      ASSERT_EQ(list.horizontalScrollBar()->value(), scroll) << "the list scrolls horizontally";
      const QString line = list.model()->index(0, 0).data().toString();
      const int lineLeft = list.viewport()->mapTo(&*window, QPoint(list.TextLeft(), 0)).x();
      const int headingLeft = heading.mapTo(&*window, QPoint(heading.TextLeft(), 0)).x();
      EXPECT_EQ(headingLeft, lineLeft);
      // The country, name, co-ordinates and Tx columns and the first segment's start.
      for (const int i : {3, 7, 29, 45, 55, 100})
        EXPECT_EQ(CharacterX(m, headingLeft, heading.text(), i), CharacterX(m, lineLeft, line, i)) << i;
    }
  }
}

// The window grows with the list taking the growth and the status bar at the bottom; the focus
// is on the list after loading, its selected line current.
TEST_F(EditorWindowTest, ResizeGrowsTheListAndTheKeyboardIsOnTheList) {
  OpenedWindow window(dir_, "resize.xms", 20);
  ui::RecordListView& list = window->listView();
  EXPECT_EQ(window->focusWidget(), &list);
  ASSERT_FALSE(list.SelectedRows().empty());
  EXPECT_EQ(list.CaretRow(), list.SelectedRows().front());
  QTest::keyClick(&list, Qt::Key_Down);
  EXPECT_EQ(list.CaretRow(), 1u) << "the arrow keys move in the list at once";

  const QSize listBefore = list.size();
  window->resize(window->width() + 300, window->height() + 200);
  QApplication::processEvents();
  EXPECT_EQ(list.width(), listBefore.width() + 300);
  EXPECT_GE(list.height(), listBefore.height() + 190);
  const QWidget& status = window->status();
  EXPECT_EQ(status.geometry().bottom(), window->height() - 1) << "the status bar at the bottom";
  EXPECT_EQ(status.width(), window->width());
  EXPECT_EQ(window->windowSize().width, window->width());
}

// During the error search a press in the tag column only selects: the marks and the count stay.
TEST_F(EditorWindowTest, TagColumnPressesDuringTheErrorSearchKeepTheMarks) {
  const std::string path = dir_.Sample("faulty.xms", 12, 3);
  std::string bytes;
  {
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  for (const int k : {2, 6}) bytes.replace(static_cast<size_t>(k) * kRecordSize + 13, 2, "QQ");
  ASSERT_TRUE(quorla::WriteFileAtomically(path, bytes));
  ui::EditorWindow window({" Test:", quorla::Language::English, "/tmp/", ""}, nullptr);
  window.presenter().Start();
  window.show();
  ChooseFile(path);
  window.action(kOpenFile)->trigger();
  window.action(403)->trigger();
  ui::RecordListView& list = window.listView();
  const RecordList& lines = window.presenter().list();
  auto marks = [&] {
    size_t n = 0;
    for (size_t row = 0; row < lines.size(); ++row) n += lines.Mark(row) != ' ';
    return n;
  };
  ASSERT_EQ(marks(), 2u);
  const int marked = static_cast<int>(lines.RowOfRecord(2));
  for (const int row : {marked, marked, 0}) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, RowPoint(list, row, 8));
    EXPECT_EQ(marks(), 2u) << row;
    EXPECT_EQ(window.status().Part(2), " Rec with Errors:  2");
  }
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ShiftModifier, RowPoint(list, 4, 8));
  EXPECT_EQ(list.SelectedRows(), std::vector<size_t>{4});
  EXPECT_FALSE(window.presenter().ListMenuAllowed());
  window.action(kDeleteRecordsWithErrors)->trigger();
  EXPECT_EQ(lines.size(), 10u);
  window.presenter().Finish();
}

void SaveScreenshot(quorla::Language language, const std::string& file, const ScratchFolder& dir) {
  ui::EditorWindow window({" MIRANDEX:", language, "/tmp/", ""}, nullptr);
  window.presenter().Start();
  window.show();
  window.resize(1180, 620);  // after a resize, as a user leaves it
  ChooseFile(dir.Sample("shot.xms", 300, 21));
  window.action(kOpenFile)->trigger();
  window.listView().SelectRows(std::vector<size_t>{1, 3, 4}, 4);
  window.action(kTagSelected)->trigger();
  window.listView().SelectRows(std::vector<size_t>{3}, 3);
  window.presenter().OnSelectionChanged(false);
  QApplication::processEvents();
  EXPECT_TRUE(window.grab().save(QString::fromStdString(std::string(RECBOOK_SCREENSHOT_DIR) + "/" + file)));
  window.presenter().Finish();
}

TEST_F(EditorWindowTest, ScreenshotsInBothLanguages) {
  SaveScreenshot(quorla::Language::English, "editor_window_en.png", dir_);
  SaveScreenshot(quorla::Language::Czech, "editor_window_cs.png", dir_);
}

TEST_F(EditorWindowTest, EditorvaWithoutOwnerClosesAndKeepsArchXms) {
  quorla::SettingsStore store(dir_.path() + "registry.ini");
  store.CreateOrOpenKey(quorla::kQuorlaKey);
  store.SetText(quorla::kQuorlaKey, "archXMS", "/nowhere/");
  EditorParams params{};
  std::strcpy(params.caption, " Launcher:");
  WhenModal<QDialog>([](QDialog* d) {
    EXPECT_EQ(d->windowTitle(), " Launcher: Editor of Exchange data files VA-99, MS  (ver.1.7)");
    d->close();
  });
  EDITORVA(&params);
  EXPECT_EQ(store.QueryText(quorla::kQuorlaKey, "archXMS").value_or(""), "/nowhere/");
}

TEST_F(EditorWindowTest, ExchviewUseFileReturnsThePathAndRemembersTheDirectory) {
  const std::string path = dir_.Sample("calc.xms", 4);
  EditorParams params{};
  std::strcpy(params.caption, " Calc:");
  params.mode = 99;
  WhenModal<QDialog>([path](QDialog* d) {
    auto* viewer = dynamic_cast<ui::ViewerWindow*>(d);
    ASSERT_NE(viewer, nullptr);
    ChooseFile(path);
    viewer->presenter().OnOpen();
    viewer->button(kViewerUseFile)->click();
  });
  char* result = EXCHVIEW(&params, nullptr);
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(std::string(result), path);
  std::free(result);
  quorla::SettingsStore store(dir_.path() + "registry.ini");
  EXPECT_EQ(store.QueryText(quorla::kQuorlaKey, "archXMS").value_or(""), dir_.path());

  params.mode = 5;  // no such mode: an empty text, no window
  result = EXCHVIEW(&params, nullptr);
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result[0], '\0');
  std::free(result);
}

}  // namespace

TEST_F(EditorWindowTest, CorrectionDialogOffersTheTenOptionsTicked) {
  for (const auto language : {quorla::Language::English, quorla::Language::Czech}) {
    ui::CorrectionDialog dialog(nullptr, language);
    const QList<QCheckBox*> boxes = dialog.findChildren<QCheckBox*>();
    ASSERT_EQ(boxes.size(), 10);
    for (const QCheckBox* box : boxes) EXPECT_TRUE(box->isChecked()) << box->text().toStdString();
    EXPECT_EQ(boxes[0]->text().toStdString(), std::string(OptionText(CorrectionOption::kLowFrequency).caption(language)));
    bool zeroShown = false;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) zeroShown = zeroShown || label->text() == " 0";
    EXPECT_TRUE(zeroShown) << "the count shows 0 before the pass";
    dialog.SetRepairCount(RepairCountText(7));
    const std::string file = language == quorla::Language::English ? "correction_dialog_en.png" : "correction_dialog_cs.png";
    EXPECT_TRUE(dialog.grab().save(QString::fromStdString(std::string(RECBOOK_SCREENSHOT_DIR) + "/" + file)));
  }
}

// The record and header forms typed into key by key, as a user types.
void TypeInto(QLineEdit* box, const char* keys) {
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, keys);
}

TEST_F(EditorWindowTest, FormsTypedKeyByKeyAndSaved) {
  ui::EditorWindow window({" Test:", quorla::Language::English, "/tmp/", ""}, nullptr);
  window.presenter().Start();
  window.show();
  ChooseFile(dir_.Sample("forms.xms", 12, 5));
  window.action(kOpenFile)->trigger();
  window.presenter().OnDoubleClick(4);
  const uint32_t k = window.presenter().list().RecordNumber(4);
  ASSERT_EQ(window.tabs().currentIndex(), kRecordPage);
  ui::RecordFormPage& form = window.recordPage();
  EXPECT_EQ(form.numberText()->text(), "Rec No. = " + QString::number(k));

  const QByteArray stationClass = form.box(13)->text().toLatin1();
  TypeInto(form.box(13), "1m");
  EXPECT_EQ(form.box(13)->text(), "M");
  TypeInto(form.box(13), stationClass.constData());
  TypeInto(form.box(17), "25122003");
  EXPECT_EQ(form.box(17)->text(), "25-12-2003");
  const QByteArray pattern = form.box(32)->text().toLatin1();
  TypeInto(form.box(32), "030ea1");
  EXPECT_EQ(form.box(32)->text(), "030EA10");
  TypeInto(form.box(32), pattern.constData());
  EXPECT_TRUE(form.saveButton()->property("changed").toBool());
  QApplication::setActiveWindow(&window);  // the entry box normalises what is typed while it has the focus
  form.box(20)->setFocus();
  QTest::keyClicks(form.box(20), "0161530");
  const std::string longitude = form.box(20)->text().remove(' ').toStdString();
  EXPECT_EQ(longitude.size(), 8u);

  TypeInto(form.box(19), "");
  QTest::keyClick(form.box(19), Qt::Key_Delete);
  QString message;
  AnswerMessage(QMessageBox::Ok, &message);
  window.action(kSaveRecord)->trigger();
  EXPECT_EQ(message, "Missing Country of station  !!  ");
  EXPECT_EQ(window.focusWidget(), form.box(19));

  QTest::keyClicks(form.box(19), "aut");
  EXPECT_EQ(form.box(19)->text(), "AUT");
  QTest::mouseClick(form.saveButton(), Qt::LeftButton);
  EXPECT_FALSE(form.saveButton()->property("changed").toBool());
  char stored[kRecordSize];
  ASSERT_TRUE(window.presenter().files().workingCopy().ReadRecord(k, stored));
  const StationRecord r = RecordFromText<StationRecord>({stored, kRecordSize});
  EXPECT_EQ(std::string(ItemText(r, Item::k4B)), "AUT");
  EXPECT_EQ(std::string(ItemText(r, Item::k2C)), "25122003");
  EXPECT_EQ(std::string(ItemText(r, Item::k4C)).substr(0, 8), longitude);  // as the entry box shows it
  EXPECT_EQ(std::string(ItemText(r, Item::k9XH)), pattern.toStdString());
  EXPECT_EQ(window.presenter().files().changes(), 1);

  // The header: code "X" is refused as it is typed; saving an empty code names the codes.
  window.presenter().OnPageRequest(kHeaderPage);
  ui::HeaderFormPage& header = window.headerPage();
  TypeInto(header.box(13), "x");
  EXPECT_EQ(header.box(13)->text(), "");
  AnswerMessage(QMessageBox::Ok, &message);
  QTest::mouseClick(header.saveButton(), Qt::LeftButton);
  EXPECT_EQ(message, "File contents code has to be:  O, D, N, A, M  !!");
  QTest::mouseClick(header.clearButton(), Qt::LeftButton);
  EXPECT_EQ(header.status()->text(), " Header cleared");
  AnswerMessage(QMessageBox::No);  // leaving the changed header: its edits are dropped
  window.presenter().OnPageRequest(kListPage);
  EXPECT_EQ(window.tabs().currentIndex(), kListPage);
  EXPECT_FALSE(window.presenter().files().formDirty());
  window.presenter().Finish();
}

// A box the form puts the cursor into (Find error, a refused save) is scrolled into view, whether
// it lies below or above the part of the form that is shown; the buttons stay in view.
TEST_F(EditorWindowTest, FocusedFormBoxIsScrolledIntoView) {
  ui::EditorWindow window({" Test:", quorla::Language::English, "/tmp/", ""}, nullptr);
  window.presenter().Start();
  window.show();
  window.resize(900, 420);  // the form is taller than its page
  ChooseFile(dir_.Sample("scroll.xms", 12, 5));
  window.action(kOpenFile)->trigger();
  window.presenter().OnDoubleClick(3);
  ASSERT_EQ(window.tabs().currentIndex(), kRecordPage);
  QApplication::setActiveWindow(&window);
  QApplication::processEvents();
  ui::RecordFormPage& form = window.recordPage();
  auto* scroll = form.findChild<QScrollArea*>();
  ASSERT_NE(scroll, nullptr);
  ASSERT_GT(scroll->verticalScrollBar()->maximum(), 0) << "the form must not fit for this test";
  auto shown = [&](int id) {
    QLineEdit* edit = form.box(id);
    const QRect r(edit->mapTo(scroll->viewport(), QPoint(0, 0)), edit->size());
    return scroll->viewport()->rect().contains(r);
  };
  ASSERT_FALSE(shown(39)) << "the last box starts out of view";
  for (const int id : {32, 39, 11, 36, 12}) {
    form.FocusBox(id, 0, 1);
    QApplication::processEvents();
    EXPECT_EQ(window.focusWidget(), form.box(id)) << id;
    EXPECT_TRUE(shown(id)) << id;
    EXPECT_FALSE(form.firstButton()->visibleRegion().isEmpty()) << "Find error stays at hand, " << id;
    EXPECT_FALSE(form.saveButton()->visibleRegion().isEmpty()) << id;
  }
  window.presenter().Finish();
}

void SaveFormScreenshots(quorla::Language language, const std::string& suffix, const ScratchFolder& dir) {
  ui::EditorWindow window({" MIRANDEX:", language, "/tmp/", ""}, nullptr);
  window.presenter().Start();
  window.show();
  ChooseFile(dir.Sample("forms_shot.xms", 30, 9));
  window.action(kOpenFile)->trigger();
  window.presenter().OnDoubleClick(2);
  QApplication::processEvents();
  const std::string folder = std::string(RECBOOK_SCREENSHOT_DIR) + "/";
  EXPECT_TRUE(window.grab().save(QString::fromStdString(folder + "record_form_" + suffix + ".png")));
  window.presenter().OnCommand(kAddRecord);
  QApplication::processEvents();
  EXPECT_TRUE(window.grab().save(QString::fromStdString(folder + "record_form_new_" + suffix + ".png")));
  window.presenter().OnCommand(kRestoreRecord);
  window.presenter().OnPageRequest(kHeaderPage);
  QApplication::processEvents();
  EXPECT_TRUE(window.grab().save(QString::fromStdString(folder + "header_form_" + suffix + ".png")));
  window.presenter().Finish();
}

TEST_F(EditorWindowTest, FormScreenshotsInBothLanguages) {
  SaveFormScreenshots(quorla::Language::English, "en", dir_);
  SaveFormScreenshots(quorla::Language::Czech, "cs", dir_);
}

// Qt's own dialog texts follow the language while an entry point runs.
TEST_F(EditorWindowTest, QtDialogTextsInCzech) {
  {
    const ui::QtTranslation english(quorla::Language::English);
    EXPECT_FALSE(english.installed());
    const ui::QtTranslation czech(quorla::Language::Czech);
    ASSERT_TRUE(czech.installed());
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QString::fromUtf8("Zrušit"));
  }
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

// The viewer's record and header pages are the editor's forms, read-only: the boxes hold the
// selected record as the record form shows it, keys typed into them change nothing, and the form
// buttons are not there. Screenshots of both pages in both languages.
TEST_F(EditorWindowTest, ViewerPagesAreTheFormsReadOnly) {
  const std::string path = dir_.Sample("viewed.xms", 5, 3);
  for (const auto language : {quorla::Language::English, quorla::Language::Czech}) {
    ViewerSetup setup;
    setup.mode = ViewerMode::UseFile;
    setup.caption = " Calc:";
    setup.language = language;
    ui::ViewerWindow viewer(setup, nullptr, nullptr);
    viewer.presenter().Start();
    viewer.resize(1100, 800);
    viewer.show();
    ChooseFile(path);
    viewer.presenter().OnOpen();
    ASSERT_EQ(viewer.presenter().list().size(), 5u);
    viewer.tabs().setCurrentIndex(kRecordPage);
    ASSERT_EQ(viewer.tabs().currentIndex(), kRecordPage);
    ui::RecordFormPage& page = viewer.recordPage();
    const RecordBoxTexts& shown = viewer.presenter().recordForm().texts();
    for (const RecordBox& box : kRecordBoxes) {
      EXPECT_TRUE(page.box(box.id)->isReadOnly()) << box.id;
      EXPECT_EQ(page.box(box.id)->text().toStdString(), BoxText(shown, box.id)) << box.id;
    }
    EXPECT_FALSE(BoxText(shown, 18).empty());
    EXPECT_FALSE(page.firstButton()->isVisible());
    EXPECT_FALSE(page.saveButton()->isVisible());
    const QString name = page.box(18)->text();
    TypeInto(page.box(18), "xyz");
    EXPECT_EQ(page.box(18)->text(), name);
    // The Info dialog of [6A] opens over the read-only record; another class chosen and OK
    // pressed write nothing.
    const QString stationClass = page.box(13)->text();
    viewer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    page.box(13)->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    ASSERT_TRUE(page.box(13)->hasFocus());
    ASSERT_TRUE(page.infoButton()->isVisible());
    bool picked = false;
    WhenModal<QDialog>([&picked, stationClass](QDialog* modal) {
      auto* d = dynamic_cast<ui::CodePickerDialog*>(modal);
      if (!d || !d->buttons()) {  // another dialog: told, and closed so that the test goes on
        ADD_FAILURE() << "opened: " << modal->windowTitle().toStdString();
        modal->reject();
        return;
      }
      for (QAbstractButton* b : d->buttons()->buttons())
        if (!b->isChecked() && !b->text().startsWith(stationClass)) {
          b->click();
          break;
        }
      picked = true;
      d->findChild<QPushButton*>("ok")->click();
    });
    page.infoButton()->click();
    EXPECT_TRUE(picked);
    EXPECT_EQ(page.box(13)->text(), stationClass);
    EXPECT_FALSE(viewer.presenter().recordForm().changed());
    const std::string suffix = language == quorla::Language::English ? "en" : "cs";
    const std::string folder = std::string(RECBOOK_SCREENSHOT_DIR) + "/";
    EXPECT_TRUE(viewer.grab().save(QString::fromStdString(folder + "viewer_record_" + suffix + ".png")));
    viewer.tabs().setCurrentIndex(kHeaderPage);
    ui::HeaderFormPage& header = viewer.headerPage();
    EXPECT_TRUE(header.box(12)->isReadOnly());
    EXPECT_FALSE(header.box(12)->text().isEmpty());
    EXPECT_FALSE(header.clearButton()->isVisible());
    EXPECT_TRUE(viewer.grab().save(QString::fromStdString(folder + "viewer_header_" + suffix + ".png")));
    viewer.presenter().OnCommand(kViewerCancel);
  }
  EXPECT_EQ(std::system(("cmp -s '" + path + "' '" + dir_.Sample("again.xms", 5, 3) + "'").c_str()), 0)
      << "the viewed file is unchanged";
}
