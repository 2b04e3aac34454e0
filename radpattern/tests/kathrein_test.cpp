// The Kathrein window's presenter through the scripted Host: the selection dialog, both error
// messages, the buttons' states, the conversion and its picture, the copy with its frame, and
// the real pattern files of the shared data folder when present.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <filesystem>
#include <fstream>
#include <map>

#include "antenna_code.h"
#include "kathrein_presenter.h"
#include "kathrein_setting.h"
#include "polar_grid.h"
#include "testing/scripted_host.h"
#include "ui/qt_drawing_surface.h"

using radpattern::KathreinButton;
namespace fs = std::filesystem;

namespace {

QGuiApplication& App() {
  static int argc = 1;
  static char name[] = "kathrein_test";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  return *app;
}

class RecordingView : public radpattern::KathreinView {
 public:
  void SetButtonEnabled(KathreinButton b, bool on) override { enabled[b] = on; }
  void FocusButton(KathreinButton b) override { focus = b; }
  void Redraw() override { ++redraws; }
  std::map<KathreinButton, bool> enabled;
  std::optional<KathreinButton> focus;
  int redraws = 0;
};

struct Window {
  explicit Window(int mode = 1, quorla::Language lang = quorla::Language::English)
      : presenter(view, host, {"Cap", lang, mode, "/start", "*.msi"}) {
    presenter.Open();
  }
  RecordingView view;
  quorla::ScriptedHost host;
  radpattern::KathreinPresenter presenter;
};

fs::path ScratchDir() {
  const fs::path dir = fs::temp_directory_path() / ("kathrein_test_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  return dir;
}

// A pattern file made of a code's values: horizontal turned to azimuth 40, vertical flat.
std::string WritePatternFile(const fs::path& dir, const std::string& name, int horizontalEntries) {
  std::ofstream f(dir / name, std::ios::binary);
  f << "NAME test\r\nFREQUENCY 800\r\nGAIN 10 dBd\r\nTILT\r\nCOMMENT\r\nHORIZONTAL 360\r\n";
  for (int i = 0; i < horizontalEntries; ++i) f << i << ' ' << (i == 40 ? 0 : (i > 20 && i < 60 ? 1 : 25)) << "\r\n";
  f << "VERTICAL 360\r\n";
  for (int i = 0; i < 360; ++i) f << i << ' ' << (i < 10 || i > 350 ? 0 : 20) << "\r\n";
  return (dir / name).string();
}

}  // namespace

TEST(KathreinPresenter, TitleAndStartButtons) {
  Window en;
  EXPECT_EQ(en.presenter.Title(), "Cap Conversion of antenna diagrams from Kathrein files to VA-99 format");
  EXPECT_FALSE(en.view.enabled.at(KathreinButton::Conversion));
  EXPECT_FALSE(en.view.enabled.at(KathreinButton::Copy));
  EXPECT_FALSE(en.view.enabled.at(KathreinButton::ResultsTransfer));
  Window cs(2, quorla::Language::Czech);
  EXPECT_EQ(cs.presenter.Title(), "Cap Převod anténních diagramů ze souborů Kathrein na VA-99 formát");
}

TEST(KathreinPresenter, BadFilesAreToldAndTheDialogComesBack) {
  const fs::path dir = ScratchDir();
  { std::ofstream(dir / "model.msi", std::ios::binary) << "MODEL x\r\nFREQUENCY 800\r\n"; }
  WritePatternFile(dir, "short.msi", 359);
  Window w;
  w.host.ExpectOpenFileName((dir / "model.msi").string(), "CapSelection of antenna file  for Tx antenna");
  w.host.ExpectMessage("in directory:  " + dir.string() + "\r\n\r\nSelected file  isn't  Kathrein antenna file  !!",
                       "Cap Error in file  model.msi", quorla::Buttons::Ok, quorla::Icon::Exclamation);
  w.host.ExpectOpenFileName((dir / "short.msi").string());
  w.host.ExpectMessage("in directory:  " + dir.string() + "\r\n\r\nSelected file is shorter than Kathrein antenna file  !!",
                       "Cap Error in file  short.msi", quorla::Buttons::Ok, quorla::Icon::Exclamation);
  w.host.ExpectOpenFileName("");
  w.presenter.SelectFile();
  w.host.VerifyAllConsumed();
  const auto& requests = w.host.Requests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[0].filter, " Kathrein antenna files:  (*.MSI)|*.msi");
  EXPECT_EQ(requests[0].directory, "/start");
  EXPECT_EQ(requests[0].fileName, "*.msi");
  EXPECT_TRUE(requests[0].fileMustExist);
  EXPECT_EQ(requests[2].directory, dir.string());  // the last choice's folder and name
  EXPECT_EQ(requests[2].fileName, "short.msi");
  EXPECT_FALSE(w.view.enabled.at(KathreinButton::Conversion));  // cancelled: still no data
  EXPECT_EQ(w.view.redraws, 0);
  Window rx(2, quorla::Language::Czech);
  rx.host.ExpectOpenFileName("", "CapVýběr anténního souboru  pro anténu příjmače");
  rx.presenter.SelectFile();
  rx.host.VerifyAllConsumed();
  EXPECT_EQ(rx.host.Requests()[0].filter, " Anténní soubory Kathrein:  (*.MSI)|*.msi");
  fs::remove_all(dir);
}

TEST(KathreinPresenter, ConversionFitsDrawsAndCopiesWithAFrame) {
  App();
  const fs::path dir = ScratchDir();
  const std::string path = WritePatternFile(dir, "good.msi", 360);
  Window w;
  w.host.ExpectOpenFileName(path);
  w.presenter.SelectFile();
  w.host.VerifyAllConsumed();
  EXPECT_TRUE(w.view.enabled.at(KathreinButton::Conversion));
  EXPECT_TRUE(w.view.enabled.at(KathreinButton::Copy));
  EXPECT_FALSE(w.view.enabled.at(KathreinButton::ResultsTransfer));
  EXPECT_EQ(w.view.focus, KathreinButton::Conversion);
  EXPECT_EQ(w.presenter.directory(), dir.string());

  w.presenter.Convert();
  ASSERT_TRUE(w.presenter.fit().has_value());
  EXPECT_EQ(radpattern::CheckAntennaCode(w.presenter.fit()->hcode), 1);
  EXPECT_NEAR(w.presenter.fit()->aziMax, 40.0, 1.0);
  EXPECT_EQ(w.presenter.fit()->eleMax, 0.0);
  for (const auto& [button, on] : w.view.enabled) EXPECT_TRUE(on) << static_cast<int>(button);
  EXPECT_EQ(w.view.focus, KathreinButton::ResultsTransfer);
  EXPECT_GE(w.host.eventPumps(), 1);

  quorla::ui::QtDrawingSurface s(720, 400);
  w.presenter.Draw(s);
  int measured = 0, fitted = 0;
  for (int y = 0; y < s.PixelHeight(); ++y)
    for (int x = 0; x < s.PixelWidth(); ++x) {
      measured += s.PixelColor(x, y) == radpattern::kCurveColour;
      fitted += s.PixelColor(x, y) == radpattern::kFittedColour;
    }
  EXPECT_GT(measured, 100);
  EXPECT_GT(fitted, 100);
  w.presenter.CopyPicture(s);
  const quorla::Picture& copied = w.host.clipboardPicture();
  ASSERT_EQ(copied.width, 720);
  EXPECT_EQ(copied.pixels[0] & 0xFFFFFFu, quorla::kBlack);
  EXPECT_EQ(copied.pixels[static_cast<size_t>(399) * 720 + 719] & 0xFFFFFFu, quorla::kBlack);
  EXPECT_EQ(s.PixelColor(0, 0), quorla::kWhite);  // the frame drawn over in the background colour
  EXPECT_EQ(s.PixelColor(719, 399), quorla::kWhite);
  fs::remove_all(dir);
}

TEST(KathreinPresenter, RealPatternFilesLoadAndConvert) {
  const fs::path data = fs::path(QUORLA_SHARED_DATA) / "msi";
  if (!fs::is_directory(data)) GTEST_SKIP() << "no shared pattern files";
  int converted = 0;
  for (const auto& entry : fs::directory_iterator(data)) {
    if (entry.path().extension() != ".msi" || converted >= 3) continue;
    SCOPED_TRACE(entry.path().string());
    Window w;
    radpattern::MsiPattern probe;
    if (radpattern::ReadMsiFile(entry.path().string(), probe) != radpattern::kMsiOk) continue;
    w.host.ExpectOpenFileName(entry.path().string());
    w.presenter.SelectFile();
    w.host.VerifyAllConsumed();
    w.presenter.Convert();
    ASSERT_TRUE(w.presenter.fit().has_value());
    EXPECT_EQ(radpattern::CheckAntennaCode(w.presenter.fit()->hcode), 1);
    EXPECT_EQ(radpattern::CheckAntennaCode(w.presenter.fit()->vcode), 1);
    EXPECT_GE(w.presenter.fit()->aziMax, 0.0);
    EXPECT_LT(w.presenter.fit()->aziMax, 360.0);
    ++converted;
  }
  EXPECT_GT(converted, 0);
}

TEST(KathreinSetting, WrittenOnlyWhenChanged) {
  const fs::path dir = ScratchDir();
  quorla::SettingsStore store((dir / "registry.ini").string());
  EXPECT_EQ(radpattern::ReadKathreinDirectory(store), fs::current_path().string());  // nothing stored
  EXPECT_TRUE(radpattern::WriteKathreinDirectory(store, "/a", "/a"));
  EXPECT_FALSE(fs::exists(dir / "registry.ini"));
  EXPECT_TRUE(radpattern::WriteKathreinDirectory(store, "/a", "/data/msi"));
  EXPECT_EQ(radpattern::ReadKathreinDirectory(store), "/data/msi");
  fs::remove_all(dir);
}
