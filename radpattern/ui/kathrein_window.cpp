#include "ui/kathrein_window.h"

#include <QEvent>
#include <QPushButton>
#include <QTimer>

#include "ui/dialog_units.h"
#include "ui/editor_icon.h"
#include "ui/owner_state.h"
#include "ui/surface_widget.h"
#include "ui/qt_text.h"

namespace radpattern::ui {
namespace {

using quorla::ui::Q;

}  // namespace

KathreinWindow::KathreinWindow(KathreinStart start, QWidget* owner) : QDialog(owner), owner_(owner), host_(this) {
  setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                 Qt::WindowTitleHint);
  setFont(quorla::ui::DialogFont());
  setWindowIcon(EditorIcon());
  const quorla::Language l = start.language;
  presenter_ = std::make_unique<KathreinPresenter>(*this, host_, std::move(start));
  setWindowTitle(Q(presenter_->Title()));
  const quorla::ui::DialogUnits du(font());
  setFixedSize(du.X(368), du.Y(229));
  picture_ = new quorla::ui::SurfaceWidget(this);
  picture_->setGeometry(du.Rect(4, 4, 360, 200));
  picture_->OnRedraw([this](quorla::DrawingSurface& s) { presenter_->Draw(s); });

  // Left to right: File (id 5), Conversion (4), Copy (3), Results transfer (1), Close (2).
  const quorla::BiText kTexts[5] = {
      {"&File", "&Soubor"}, {"Con&version", "Pře&vod dia."}, {"C&opy to Clipboard", "&Obr.do Clipboardu"},
      {"&Results transfer", "&Přenos výsledků"}, {"&Close", "&Zavřít"},
  };
  for (size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i] = new QPushButton(Q(kTexts[i](l)), this);
    buttons_[i]->setGeometry(du.Rect(4 + 73 * static_cast<int>(i), 210, 68, 14));
    buttons_[i]->setAutoDefault(false);
  }
  connect(buttons_[0], &QPushButton::clicked, this, [this] { presenter_->SelectFile(); });
  connect(buttons_[1], &QPushButton::clicked, this, [this] { presenter_->Convert(); });
  connect(buttons_[2], &QPushButton::clicked, this, [this] {
    presenter_->CopyPicture(picture_->surface());
    picture_->Refresh();
  });
  connect(buttons_[3], &QPushButton::clicked, this, &QDialog::accept);
  connect(buttons_[4], &QPushButton::clicked, this, &QDialog::reject);
  presenter_->Open();
}

KathreinWindow::~KathreinWindow() = default;

int KathreinWindow::Run() {
  QTimer::singleShot(300, this, [this] { presenter_->SelectFile(); });
  return exec() == QDialog::Accepted ? 1 : 0;
}

void KathreinWindow::SetButtonEnabled(KathreinButton button, bool enabled) {
  buttons_[static_cast<size_t>(button)]->setEnabled(enabled);
}

void KathreinWindow::FocusButton(KathreinButton button) { buttons_[static_cast<size_t>(button)]->setFocus(); }

void KathreinWindow::Redraw() { picture_->Redraw(); }

void KathreinWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  quorla::ui::CarryOwnerState(*this, owner_, *event);
}

}  // namespace radpattern::ui
