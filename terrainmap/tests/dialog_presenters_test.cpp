// The three dialogs without widgets, through fake views and the scripted Host: the conversion
// dialog's results, status texts and planar mode, the directory dialog's checks, file dialogs and
// registry writes, and the entry-box properties.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "dialogs/datum_dialog_presenter.h"
#include "dialogs/directory_dialog_presenter.h"
#include "dialogs/geo_box_properties_presenter.h"
#include "entry/geo_box_settings.h"
#include "geo_text.h"
#include "testing/scripted_host.h"

namespace terrainmap {
namespace {

namespace fs = std::filesystem;
using quorla::Language;

struct FakeDatumView : DatumDialogView {
  std::string label, first, second, resultLon, resultLat, status;
  bool planar = false;
  int closed = -1;
  void SetInputLabel(std::string_view text) override { label = text; }
  void SetInputs(const std::string& f, const std::string& s, bool p) override {
    first = f;
    second = s;
    planar = p;
  }
  void SetResults(const std::string& lon, const std::string& lat) override {
    resultLon = lon;
    resultLat = lat;
  }
  void SetStatus(const std::string& text) override { status = text; }
  void Close(int result) override { closed = result; }
};

DatumDialogStart Start(std::string coords, int index, Language language = Language::English) {
  DatumDialogStart s;
  s.language = language;
  s.caption = "Ed";
  s.coords = std::move(coords);
  s.systemIndex = index;
  return s;
}

TEST(DatumDialogPresenter, WgsInputComesBackUnchanged) {
  FakeDatumView view;
  DatumDialogPresenter p(view, Start("015E3000,49N1507", 0));
  p.Open();
  EXPECT_EQ(view.first, "015 E 30 00");
  EXPECT_EQ(view.second, "49 N 15 07");
  EXPECT_EQ(view.resultLon, "015 E 30 00 ,");
  EXPECT_EQ(view.resultLat, "49 N 15 07");
  EXPECT_EQ(view.status, " dif Lon =  0.0'',   dif Lat =  0.0'' ...  Elips. WGS-84");
  EXPECT_EQ(view.label, " Lon, Lat  =");
  p.Ok();
  EXPECT_EQ(view.closed, 1);
  EXPECT_EQ(p.resultCoords(), "015E3000,49N1507");
}

TEST(DatumDialogPresenter, ShiftOfFifteenEastFiftyNorthInTheStatus) {
  struct Case {
    int index;
    const char* status;
  } cases[] = {
      {1, " dif Lon =-6.7'',   dif Lat =-1.7'' ...  Elips. Krassovsky 1940"},
      {4, " dif Lon =-3.6'',   dif Lat =-2.7'' ...  Elips. Internacional"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.index);
    FakeDatumView view;
    DatumDialogPresenter p(view, Start("015E0000,50N0000", c.index));
    p.Open();
    EXPECT_EQ(view.status, c.status);
    // The result is the input moved by the shift, in whole seconds, west and south of it.
    const quorla::GeoPosition r = quorla::ParseGeoText(quorla::WithoutBlanks(view.resultLon + view.resultLat));
    EXPECT_LT(r.lon, 15.0);
    EXPECT_GT(r.lon, 15.0 - 8.0 / 3600);
    EXPECT_LT(r.lat, 50.0);
    EXPECT_GT(r.lat, 50.0 - 4.0 / 3600);
    p.Find();
    EXPECT_EQ(view.closed, 2);
    EXPECT_EQ(p.resultCoords(), quorla::WithoutBlanks(view.resultLon + view.resultLat));
  }
}

TEST(DatumDialogPresenter, PlanarSwitchShowsGaussKrugerAndBringsTheTextsBack) {
  FakeDatumView view;
  DatumDialogPresenter p(view, Start("015E0000,50N0000", 1));
  p.Open();
  const std::string geographicResult = view.resultLon + view.resultLat;
  p.SystemChosen(2);
  EXPECT_TRUE(view.planar);
  EXPECT_EQ(view.label, "Ylat, Xlon =");
  EXPECT_EQ(view.first, "3500 000");
  EXPECT_TRUE(view.second == "5540 944" || view.second == "5540 945") << view.second;
  EXPECT_EQ(view.status, " Gauss-Kruger  planar  coord.,  ...  Elips. Krassovsky 1940");
  // Y, X of the same point on the same datum give the same WGS-84 position.
  EXPECT_EQ(view.resultLon + view.resultLat, geographicResult);

  // Y 4 500 000 is the central meridian of zone 4, 21E; the S-1942 shift moves it just west of it.
  p.InputsEdited("4500 000", "5540 944");
  EXPECT_EQ(view.resultLon.substr(0, 5), "020 E");
  EXPECT_EQ(view.resultLat.substr(0, 4), "49 N");

  p.SystemChosen(1);
  EXPECT_FALSE(view.planar);
  EXPECT_EQ(view.label, " Lon, Lat  =");
  EXPECT_EQ(view.first, "015 E 00 00");  // the kept texts, not the planar values computed back
  EXPECT_EQ(view.second, "50 N 00 00");
  EXPECT_EQ(view.resultLon + view.resultLat, geographicResult);
}

TEST(DatumDialogPresenter, StoredPlanarChoiceOpensWithPlanarInput) {
  FakeDatumView view;
  DatumDialogPresenter p(view, Start("015E0000,50N0000", 2));
  p.Open();
  EXPECT_EQ(p.systemIndex(), 2);
  EXPECT_TRUE(view.planar);
  EXPECT_EQ(view.first, "3500 000");
  p.SystemChosen(0);  // back to the geographic texts it opened with
  EXPECT_EQ(view.first, "015 E 00 00");
}

TEST(DatumDialogPresenter, InvalidPartsOpenAsNeutralValues) {
  struct Case {
    const char* coords;
    const char* first;
    const char* second;
  } cases[] = {
      {"", "000 E 00 00", "00 N 00 00"},
      {"015E0000", "015 E 00 00", "00 N 00 00"},
      {"015w0000,49N0000", "000 E 00 00", "49 N 00 00"},     // lower-case hemisphere
      {"180E0000,90N0000", "000 E 00 00", "00 N 00 00"},     // above 179 and 89 degrees
      {"015E6000,49N0060", "000 E 00 00", "00 N 00 00"},     // 60 minutes, 60 seconds
      {" 015 E 30 00 , 49 N 15 00", "015 E 30 00", "49 N 15 00"},  // blanks are not significant
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.coords);
    FakeDatumView view;
    DatumDialogPresenter p(view, Start(c.coords, 0));
    p.Open();
    EXPECT_EQ(view.first, c.first);
    EXPECT_EQ(view.second, c.second);
  }
}

TEST(DatumDialogPresenter, ResultNearThePoleIsStillAPosition) {
  for (const char* lat : {"90 N 00 00", "90 S 00 00", "89 N 59 59"}) {
    SCOPED_TRACE(lat);
    FakeDatumView view;
    DatumDialogPresenter p(view, Start("015E0000,50N0000", 4));
    p.Open();
    p.InputsEdited("180 E 00 00", lat);
    p.Ok();
    const std::string& r = p.resultCoords();
    ASSERT_EQ(r.size(), 16u) << r;
    EXPECT_EQ(r[8], ',');
    EXPECT_LE(std::abs(quorla::ParseGeoText(r).lat), 90.0);
    EXPECT_LE(std::abs(quorla::ParseGeoText(r).lon), 180.0);
  }
}

TEST(DatumDialogPresenter, CancelLeavesNoResult) {
  FakeDatumView view;
  DatumDialogPresenter p(view, Start("015E0000,50N0000", 1));
  p.Open();
  p.Cancel();
  EXPECT_EQ(view.closed, 0);
  EXPECT_EQ(p.resultCoords(), "");
}

TEST(DatumDialogPresenter, TitleByKindAndLanguage) {
  struct Case {
    int kind;
    Language language;
    const char* title;
  } cases[] = {
      {0, Language::English, "Ed Conversion of Marker geo.coordinates"},
      {1, Language::English, "Ed Conversion of Tx geo.coordinates"},
      {2, Language::English, "Ed Conversion of Rx geo.coordinates"},
      {9, Language::English, "Ed Conversion of Marker geo.coordinates"},
      {1, Language::Czech, "Ed Konverze geo.souřadnic Vysílače"},
      {2, Language::Czech, "Ed Konverze geo.souřadnic Příjmače"},
  };
  for (const Case& c : cases) {
    FakeDatumView view;
    DatumDialogStart s = Start("", 0, c.language);
    s.kind = c.kind;
    EXPECT_EQ(DatumDialogPresenter(view, s).Title(), c.title);
  }
}

// Folders and settings of one test: the data folder (fallbacks) and the settings file are its own.
class DirectoryDialogTest : public ::testing::Test, public DirectoryDialogView {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("quorla_dirdlg_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "data");
    ::setenv("QUORLA_DATA_DIR", (root_ / "data").c_str(), 1);
    store_ = quorla::SettingsStore((root_ / "registry.ini").string());
  }
  void TearDown() override {
    ::unsetenv("QUORLA_DATA_DIR");
    fs::remove_all(root_);
  }
  std::string TerrainFolder() {
    fs::create_directories(root_ / "topo" / "E015");
    std::ofstream(root_ / "topo" / "E015" / "E015N49.G3E") << "x";
    return (root_ / "topo").string();
  }
  std::string BorderFolder() {
    fs::create_directories(root_ / "lines");
    std::ofstream(root_ / "lines" / "CZE.cbr") << "x";
    return (root_ / "lines").string();
  }
  DirectoryDialogPresenter Presenter(bool forced = false, bool remembered = false) {
    return DirectoryDialogPresenter(*this, host_, store_, {Language::English, "Map", forced, remembered});
  }

  void SetTerrainText(const std::string& dir) override { terrain_ = dir; }
  void SetBorderText(const std::string& dir) override { border_ = dir; }
  void Close(int result) override { closed_ = result; }

  fs::path root_;
  quorla::SettingsStore store_{""};
  quorla::ScriptedHost host_;
  std::string terrain_ = "untouched", border_ = "untouched";
  int closed_ = -1;
};

TEST_F(DirectoryDialogTest, OkWithoutTerrainDirectoryBeepsAndStays) {
  const std::string lines = BorderFolder();
  auto p = Presenter(true);
  EXPECT_FALSE(p.Ok((root_ / "nothing").string(), lines));
  EXPECT_EQ(host_.beeps(), 1);
  EXPECT_EQ(closed_, -1);
  EXPECT_EQ(terrain_, "");  // the checked texts are put back
  EXPECT_EQ(border_, lines);
  EXPECT_FALSE(store_.QueryText(quorla::kQuorlaKey, "DtmHcm"));
  host_.VerifyAllConsumed();
}

TEST_F(DirectoryDialogTest, OkMakesTheDirectoriesCurrentAndWritesThemOnlyWhenAsked) {
  const std::string topo = TerrainFolder(), lines = BorderFolder();
  for (bool save : {false, true}) {
    SCOPED_TRACE(save);
    auto p = Presenter();
    EXPECT_FALSE(p.saveChecked());
    p.SetSave(save);
    ASSERT_TRUE(p.Ok(topo, (root_ / "no-lines").string()));  // an unusable border folder becomes ""
    EXPECT_EQ(closed_, 1);
    EXPECT_EQ(p.resultDirectory(), topo);
    EXPECT_EQ(CurrentMapDirectories(store_).terrain, topo);
    EXPECT_EQ(CurrentMapDirectories(store_).border, "");
    EXPECT_EQ(store_.QueryText(quorla::kQuorlaKey, "DtmHcm").has_value(), save);
  }
  EXPECT_EQ(store_.QueryText(quorla::kQuorlaKey, "Border"), "");
  // The next dialog shows what is current and what the registry holds.
  auto next = Presenter(false, true);
  EXPECT_TRUE(next.saveChecked());
  next.Open();
  EXPECT_EQ(terrain_, topo);
  EXPECT_EQ(next.StoredTerrainLine(), "1. DTM data:  " + topo);
  EXPECT_EQ(next.StoredBorderLine(), "2. Lines data:  ...  no data !!");
  (void)lines;
}

TEST_F(DirectoryDialogTest, ForcedSaveCannotBeSwitchedOff) {
  auto p = Presenter(true, false);
  EXPECT_TRUE(p.saveChecked());
  EXPECT_FALSE(p.saveEnabled());
  p.SetSave(false);
  EXPECT_TRUE(p.saveChecked());
}

TEST_F(DirectoryDialogTest, FindCutsThePathOfTheChosenFile) {
  host_.ExpectOpenFileName("/data/topo/E015/E015N49.G3E", "Map Choosing of DTM-HCM directory  (Topo)");
  host_.ExpectOpenFileName("", "Map Choosing of DTM-HCM directory  (Topo)");
  host_.ExpectOpenFileName("/E015N49.G3E");
  host_.ExpectOpenFileName("/data/lines/CZE.000", "Map Choosing of Co-ordination lines directory  (Border)");
  host_.ExpectOpenFileName("/CZE.000");
  auto p = Presenter();
  p.FindTerrain("/old/topo");
  EXPECT_EQ(terrain_, "/data/topo");  // the folder above the longitude folder
  p.FindTerrain("/data/topo");
  EXPECT_EQ(terrain_, "/data/topo");  // cancelled: unchanged
  p.FindTerrain("/data/topo");
  EXPECT_EQ(terrain_, "");  // no folder above
  p.FindBorder("/old/lines");
  EXPECT_EQ(border_, "/data/lines");
  p.FindBorder("");
  EXPECT_EQ(border_, "/");
  host_.VerifyAllConsumed();
  const auto& r = host_.Requests();
  ASSERT_EQ(r.size(), 5u);
  EXPECT_EQ(r[0].filter, " HCM-DTM files:  (*.?3E)|*.?3e");
  EXPECT_EQ(r[0].fileName, "' ... open  ANY file DTM-HCM '");
  EXPECT_EQ(r[0].directory, "/old/topo");
  EXPECT_EQ(r[3].filter,
            " Border-lines:  (*.000)|*.000| 15-km lines:  (*.015)|*.015| Cross-bord.lines:  (*.CBR)|*.cbr");
  EXPECT_EQ(r[3].fileName, "' ... open  ANY co-ordination line file '");
}

TEST(GeoBoxPropertiesPresenter, ChoicesAreStoredAndPutInForceOnOk) {
  const std::string file =
      (fs::temp_directory_path() / ("quorla_geoprop_" + std::to_string(::getpid()) + ".ini")).string();
  fs::remove(file);
  quorla::SettingsStore store(file);
  GeoBoxPropertiesPresenter p(store, Language::Czech, "X");
  EXPECT_EQ(p.Title(), "X Vlastnosti  text-boxů  Geo. souřadnic");
  EXPECT_EQ(p.properties(), GeoBoxProperties{});  // missing value: all 0
  EXPECT_EQ(p.lonStartOption(), 1);               // the second digit
  p.SetLonStartOption(0);
  p.SetLonSkipsOver(false);
  p.SetLatStartOption(1);
  p.SetLatSkipsOver(true);
  EXPECT_FALSE(store.QueryText(quorla::kQuorlaKey, "GeoTxtBox"));  // nothing before OK
  p.Ok();
  EXPECT_EQ(store.QueryText(quorla::kQuorlaKey, "GeoTxtBox"), "-1, 1, 1, 0");
  EXPECT_EQ(GeoBoxPropertiesInForce(store), (GeoBoxProperties{-1, 1, 1, 0}));
  fs::remove(file);
}

}  // namespace
}  // namespace terrainmap
