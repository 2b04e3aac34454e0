#pragma once
// The Kathrein window: choosing a pattern file, showing its measured diagrams, converting them
// into the nearest antenna codes and handing the results to the editor.
#include <optional>
#include <string>

#include "drawing_surface.h"
#include "host.h"
#include "kathrein_picture.h"
#include "msi_file.h"

namespace radpattern {

enum class KathreinButton { File = 0, Conversion, Copy, ResultsTransfer, Close };

class KathreinView {
 public:
  virtual ~KathreinView() = default;
  virtual void SetButtonEnabled(KathreinButton button, bool enabled) = 0;
  virtual void FocusButton(KathreinButton button) = 0;
  // Draws the picture again from the presenter.
  virtual void Redraw() = 0;
};

struct KathreinStart {
  std::string caption;
  quorla::Language language = quorla::Language::English;
  int mode = 0;             // 2: receiver antenna; otherwise transmitter
  std::string directory;    // where the selection opens
  std::string lastName = "*.msi";
};

class KathreinPresenter {
 public:
  KathreinPresenter(KathreinView& view, quorla::Host& host, KathreinStart start);

  std::string Title() const;
  // The start state of the buttons: File and Close only.
  void Open();
  // The open dialog until a readable file is chosen or the user cancels.
  void SelectFile();
  void Convert();
  // The picture with a black frame to the clipboard; the frame is drawn over afterwards.
  void CopyPicture(quorla::DrawingSurface& surface);

  void Draw(quorla::DrawingSurface& surface) const;
  const std::optional<KathreinFit>& fit() const { return fit_; }
  const std::string& directory() const { return directory_; }
  const std::string& lastName() const { return lastName_; }

 private:
  void EnableAll(bool enabled);

  KathreinView& view_;
  quorla::Host& host_;
  std::string caption_;
  quorla::Language language_;
  int mode_;
  std::string directory_, lastName_;
  std::optional<MsiPattern> pattern_;
  std::string fileName_, fileDirectory_;
  std::optional<KathreinFit> fit_;
};

}  // namespace radpattern
