#include "kathrein_presenter.h"

#include "pattern_fit.h"

namespace radpattern {
namespace {

using quorla::BiText;

constexpr BiText kTitle{" Conversion of antenna diagrams from Kathrein files to VA-99 format",
                        " Převod anténních diagramů ze souborů Kathrein na VA-99 formát"};
constexpr BiText kSelection{"Selection of antenna file  for ", "Výběr anténního souboru  pro anténu "};
constexpr BiText kRx{"Rx", "příjmače"};
constexpr BiText kTx{"Tx", "vysílače"};
constexpr BiText kAntenna{" antenna", ""};
constexpr BiText kFilter{" Kathrein antenna files:  (*.MSI)|*.msi", " Anténní soubory Kathrein:  (*.MSI)|*.msi"};
constexpr BiText kErrorInFile{" Error in file  ", " Chyba v souboru  "};
constexpr BiText kInDirectory{"in directory:  ", "v adresáři:  "};

}  // namespace

KathreinPresenter::KathreinPresenter(KathreinView& view, quorla::Host& host, KathreinStart start)
    : view_(view),
      host_(host),
      caption_(std::move(start.caption)),
      language_(start.language),
      mode_(start.mode),
      directory_(std::move(start.directory)),
      lastName_(std::move(start.lastName)) {}

std::string KathreinPresenter::Title() const { return caption_ + std::string(kTitle(language_)); }

void KathreinPresenter::Open() {
  for (const KathreinButton b : {KathreinButton::Conversion, KathreinButton::Copy, KathreinButton::ResultsTransfer})
    view_.SetButtonEnabled(b, false);
}

void KathreinPresenter::SelectFile() {
  for (;;) {
    quorla::FileDialogRequest request;
    request.title = caption_ + std::string(kSelection(language_)) + std::string(mode_ == 2 ? kRx(language_) : kTx(language_)) +
                    std::string(kAntenna(language_));
    request.filter = kFilter(language_);
    request.directory = directory_;
    request.fileName = lastName_;
    request.fileMustExist = true;
    const std::string path = host_.OpenFileName(request);
    if (path.empty()) return;
    const size_t slash = path.find_last_of('/');
    const std::string directory = slash == std::string::npos ? std::string() : path.substr(0, slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    directory_ = directory;
    lastName_ = name;
    MsiPattern pattern;
    const int result = ReadMsiFile(path, pattern);
    if (result != kMsiOk) {
      host_.Message(std::string(kInDirectory(language_)) + directory + "\r\n\r\n" + std::string(MsiReadMessage(result)(language_)),
                    caption_ + std::string(kErrorInFile(language_)) + name, quorla::Buttons::Ok, quorla::Icon::Exclamation);
      continue;
    }
    pattern_ = std::move(pattern);
    fileName_ = name;
    fileDirectory_ = directory;
    fit_.reset();
    view_.Redraw();
    view_.SetButtonEnabled(KathreinButton::ResultsTransfer, false);
    view_.SetButtonEnabled(KathreinButton::Copy, true);
    view_.SetButtonEnabled(KathreinButton::Conversion, true);
    view_.FocusButton(KathreinButton::Conversion);
    return;
  }
}

void KathreinPresenter::EnableAll(bool enabled) {
  for (const KathreinButton b : {KathreinButton::File, KathreinButton::Conversion, KathreinButton::Copy,
                                 KathreinButton::ResultsTransfer, KathreinButton::Close})
    view_.SetButtonEnabled(b, enabled);
}

void KathreinPresenter::Convert() {
  if (!pattern_) return;
  EnableAll(false);
  host_.ProcessEvents();
  const FitResult h = FitPattern(pattern_->horizontal);
  const FitResult v = FitPattern(pattern_->vertical);
  fit_ = KathreinFit{h.code, v.code, h.direction, v.direction, ElevationOfMaximum(v.direction)};
  view_.Redraw();
  EnableAll(true);
  view_.FocusButton(KathreinButton::ResultsTransfer);
}

void KathreinPresenter::CopyPicture(quorla::DrawingSurface& surface) {
  const quorla::Rgb background = surface.PixelColor(0, 0);
  DrawPictureFrame(surface, quorla::kBlack);
  surface.CopyToClipboard(host_);
  DrawPictureFrame(surface, background);
}

void KathreinPresenter::Draw(quorla::DrawingSurface& surface) const {
  DrawKathreinPicture(surface, {fileName_, fileDirectory_, pattern_ ? &*pattern_ : nullptr, fit_, language_});
}

}  // namespace radpattern
