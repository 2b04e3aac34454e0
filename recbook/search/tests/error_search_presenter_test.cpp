// The error search on a listed file: the letters of faulty records in both scopes, worked out by
// hand from the order of the record checks; the menus before, during and after a search; the
// deletion of the marked records; the help box of the letters.
#include "search/error_search_presenter.h"

#include <gtest/gtest.h>

#include "search/tests/search_fixture.h"

namespace recbook::testing {
namespace {

using quorla::Buttons;
using quorla::Icon;

constexpr char kTag = '\xA4';

// Record k of the file and the first check it fails in each scope.
std::vector<StationRecord> FaultyFile() {
  return {
      Fixed(),                                                  // 1: valid
      Fixed({{Item::k13Y, "Q"}}),                               // 2: status, "all" only (36,01)
      Fixed({{Item::k1A, "  100.00000M"}}),                     // 3: Tx out of band (11,012)
      Fixed({{Item::k6A, "XX"}}),                               // 4: class (13,02), "all" only
      Fixed({{Item::k1Z, "7"}}),                                // 5: category (12,01)
      Fixed({{Item::k1A, ""}, {Item::k1Y, ""}}),                // 6: no frequency (11,12)
      Fixed({{Item::k1Y, "  100.00000M"}}),                     // 7: Rx out of band (34,012)
      Fixed({{Item::k9XH, "070EA10"}}),                         // 8: EA above 65 (32,08)
      Fixed({{Item::k10Z, "2"}}),                               // 9: channel occupation (16,01)
      Mobile({{Item::k4D, "    0"}}),                           // 10: mobile with radius 0 (22,05), "all"
      Fixed({{Item::k9Y, "   0"}}),                             // 11: antenna height below 1 (31,04)
      Fixed({{Item::k8B2, "X"}}),                               // 12: reference antenna (26,01)
      Fixed({{Item::k9D, "Q "}}),                               // 13: polarisation (29,02), "all"
      Fixed({{Item::k2C, ""}, {Item::k2W, ""}, {Item::k2Z, ""}}),  // 14: no date (37,08), "all"
      Fixed({{Item::k7A, "25K0F3E"}}),                          // 15: bandwidth 25 kHz (24,09)
      Fixed({{Item::k4B, ""}}),                                 // 16: no country (19,03)
  };
}
const std::string kAllMarks = std::string(" sf") + kTag + "2Ffaorh" + "Epdt" + kTag;
const std::string kCalcMarks = std::string("    2F ao hE  t") + kTag;

std::string Reversed(std::string s) { return {s.rbegin(), s.rend()}; }

class ErrorSearch : public OpenedFile {};

TEST_F(ErrorSearch, MarksTheFaultyRecordsWithTheirLetters) {
  const struct {
    int command;
    bool reversed;
    std::string marks;
    size_t count, firstRow;
  } kCases[] = {
      {403, false, kAllMarks, 15, 1},
      {402, false, kCalcMarks, 8, 4},
      {403, true, Reversed(kAllMarks), 15, 0},  // list order, not file order
      {402, true, Reversed(kCalcMarks), 8, 0},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::to_string(c.command) + (c.reversed ? " reversed" : ""));
    Open(FaultyFile(), c.reversed);
    list_.SetMark(0, kTag);  // tags are cleared first
    window_ = SearchWindow();
    search_.OnCommand(c.command);
    EXPECT_EQ(Marks(), c.marks);
    EXPECT_EQ(search_.errorMarks(), c.count);
    EXPECT_EQ(window_.selected, c.firstRow);
    EXPECT_EQ(search_.mode(), c.command == 402 ? ErrorSearchMode::CalcErrors : ErrorSearchMode::AllErrors);
    search_.OnCommand(c.command);  // cancel
    EXPECT_EQ(Marks(), std::string(16, ' '));
    EXPECT_EQ(search_.errorMarks(), std::nullopt);
    EXPECT_EQ(list_.TaggedCount(), 0u);
  }
}

TEST_F(ErrorSearch, MenusBeforeDuringAndAfter) {
  Open(FaultyFile());
  const auto before = window_.menus;
  const auto itemsBefore = window_.items;
  for (const int command : {402, 403}) {
    SCOPED_TRACE(command);
    const int other = command == 402 ? 403 : 402;
    search_.OnCommand(command);
    EXPECT_EQ(window_.menus, (std::map<int, bool>{{1, false}, {2, true}, {3, false}, {4, true}, {5, false}, {6, true}}));
    EXPECT_EQ(window_.items, (std::map<int, bool>{{401, false}, {command, true}, {other, false}}));
    EXPECT_EQ(window_.captions[command], command == 402 ? "Cancel of ''Find out errors in records''"
                                                        : "Cancel  of  Find out errors in records");
    EXPECT_EQ(window_.formButton, " Find error");

    search_.OnCommand(other);  // greyed: nothing changes
    EXPECT_TRUE(search_.searching());

    search_.OnCommand(command);
    EXPECT_FALSE(search_.searching());
    EXPECT_EQ(window_.menus, before);
    EXPECT_EQ(window_.items, itemsBefore);
    EXPECT_EQ(window_.captions[402], "2.a. Find out and correct errors that will cause Calc. errors");
    EXPECT_EQ(window_.captions[403], "2.b. Find out and correct  ALL errors in records");
    EXPECT_EQ(window_.formButton, " New Rec");
    EXPECT_EQ(window_.searchStatus, "");
  }
}

TEST_F(ErrorSearch, StatusLineOfEachScope) {
  Open(FaultyFile());
  search_.OnCommand(402);
  EXPECT_EQ(window_.searchStatus,
            "    Find out and correct only errors that will cause calculation errors  ...  error code list is given in Help");
  search_.OnCommand(402);
  search_.OnCommand(403);
  EXPECT_EQ(window_.searchStatus, "    Find out and correct all errors in records  ...  error code list is given in Help");
  EXPECT_EQ(StatusParts(list_, {1, 0}, quorla::Language::English, search_.errorMarks())[2], " Rec with Errors:  15");
}

TEST_F(ErrorSearch, CzechCaptionsAndButton) {
  Open(FaultyFile());
  ErrorSearchPresenter czech(host_, window_, list_, files_, counts_, quorla::Language::Czech, kCaption);
  czech.OnCommand(403);
  EXPECT_EQ(window_.captions[403], "Storno  Vyhledání chyb  v  rekordech");
  EXPECT_EQ(window_.formButton, " Najít chybu");
  EXPECT_EQ(czech.EditMenu()[0].text, "Vymazat  rekordy s chybama");
  czech.OnCommand(403);
  EXPECT_EQ(window_.captions[402], "2.a. Vyhledání a oprava chyb,  které způsobí chyby při Výpočtu");
  EXPECT_EQ(window_.captions[403], "2.b. Vyhledání a oprava  VŠECH chyb v rekordech");
  EXPECT_EQ(window_.formButton, " Nový Rec");
  czech.OnCommand(402);
  EXPECT_EQ(window_.captions[402], "Storno ''Vyhledání chyb v rekordech''");
}

TEST_F(ErrorSearch, EmptyListStartsNothing) {
  Open({Fixed({{Item::k1Z, "0"}})});
  list_.Clear();  // every record deleted from the list
  search_.OnCommand(403);
  EXPECT_FALSE(search_.searching());
  EXPECT_TRUE(window_.captions.empty());
  EXPECT_EQ(window_.menus[1], true);
}

TEST_F(ErrorSearch, OnlyAWrongStatusIsFoundInTheFullScope) {
  Open({Fixed(), Fixed({{Item::k13Y, "Q"}})});
  search_.OnCommand(402);
  EXPECT_EQ(Marks(), "  ");
  EXPECT_EQ(window_.selected, std::nullopt);
  EXPECT_FALSE(search_.EditMenu()[0].enabled);
  search_.OnCommand(402);
  search_.OnCommand(403);
  EXPECT_EQ(Marks(), " s");
  EXPECT_TRUE(search_.EditMenu()[0].enabled);
}

// Every marked line goes, lettered or tag sign alike; the records stay in the working copy.
TEST_F(ErrorSearch, DeletingTheRecordsWithErrors) {
  Open(FaultyFile());
  files_.CountChange();  // an earlier edit
  search_.OnCommand(403);
  const std::vector<SearchMenuItem> menu = search_.EditMenu();
  ASSERT_EQ(menu.size(), 1u);
  EXPECT_EQ(menu[0].id, 207);
  EXPECT_EQ(menu[0].text, "Delete  records with errors");
  EXPECT_TRUE(menu[0].enabled);

  const int menusBefore = window_.editMenus;
  search_.DeleteRecordsWithErrors();
  EXPECT_EQ(list_.RecordNumbers(), std::vector<uint32_t>{1});
  EXPECT_EQ(search_.errorMarks(), 0u);
  EXPECT_EQ(counts_.deleted, 15);
  EXPECT_EQ(files_.changes(), 16);
  EXPECT_EQ(InformationLabel(counts_), "DEL Rec: 15");
  EXPECT_FALSE(search_.EditMenu()[0].enabled);
  EXPECT_EQ(window_.editMenus, menusBefore + 1);
  EXPECT_EQ(window_.removals, 1);
  EXPECT_EQ(files_.workingCopy().StoredRecords(), 17u);

  search_.DeleteRecordsWithErrors();  // nothing marked: nothing more happens
  EXPECT_EQ(counts_.deleted, 15);
  search_.OnCommand(403);
  EXPECT_EQ(window_.menus[3], true);
  EXPECT_EQ(window_.menus[4], true);
}

// A list emptied by the deletion keeps Sort and Corrections greyed after the search.
TEST_F(ErrorSearch, EmptiedListGreysSortAndCorrectionsAfterTheSearch) {
  Open({Fixed({{Item::k1Z, "0"}}), Fixed({{Item::k10Z, "9"}})});
  search_.OnCommand(402);
  EXPECT_EQ(Marks(), "2o");
  search_.DeleteRecordsWithErrors();
  EXPECT_TRUE(list_.empty());
  EXPECT_EQ(window_.menus[4], true);  // the search can still be cancelled
  search_.OnCommand(402);
  EXPECT_EQ(window_.menus[1], true);
  EXPECT_EQ(window_.menus[3], false);
  EXPECT_EQ(window_.menus[4], false);
  EXPECT_EQ(window_.menus[5], true);
}

TEST_F(ErrorSearch, HelpBoxOfTheErrorLetters) {
  host_.ExpectMessage(
      "List of error marks in task ''Find out errors in records'':\r\n\r\n"
      "F   [1A] Tx freq. and [1Y] Rx freq. are unfilled in\r\n"
      "2   error in [1Z] Freq. category\r\n"
      "o   error in [10Z] Channel occupation\r\n"
      "r    error in [4D] Radius serv. area\r\n"
      "t    error in [7A] Dessignation of emission\r\n"
      "E   error in [8B2] Type of ref. antenna\r\n"
      "p   error in [9D] Polarization of antenna\r\n"
      "h   error in [9Y] Height of antenna\r\n"
      "a   error in [9XH], [9XV] ant.diagrams, or in [9A] Azi., [9B] Ele.\r\n"
      "s   error in [13Y] Status of co-ordination\r\n"
      "d   all date fields  [2C], [2W], [Z2]  are empty\r\n"
      "f    frequency  [1A], [1Y]  is out of VA-99 frequency bands  \r\n"
      "\u00A4   any othere error\r\n\r\n"
      "Error-tests are made in described sequence.",
      kCaption + " Error codes", Buttons::Ok, Icon::Information);
  search_.ShowErrorCodes();
}

}  // namespace
}  // namespace recbook::testing
