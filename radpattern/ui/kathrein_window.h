#pragma once
// The Kathrein window over its presenter: the picture and the five buttons along the bottom.
#include <QDialog>
#include <array>
#include <memory>

#include "kathrein_presenter.h"
#include "ui/qt_host.h"

class QPushButton;

namespace quorla::ui {
class SurfaceWidget;
}

namespace radpattern::ui {

class KathreinWindow : public QDialog, public KathreinView {
 public:
  KathreinWindow(KathreinStart start, QWidget* owner);
  ~KathreinWindow() override;

  // Shows the window modally; the file selection opens by itself after 300 ms. 1 after Results
  // transfer, 0 after Close.
  int Run();
  KathreinPresenter& presenter() { return *presenter_; }
  QPushButton* button(KathreinButton b) { return buttons_[static_cast<size_t>(b)]; }
  quorla::ui::SurfaceWidget* picture() { return picture_; }

  void SetButtonEnabled(KathreinButton button, bool enabled) override;
  void FocusButton(KathreinButton button) override;
  void Redraw() override;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  QWidget* owner_;
  quorla::QtHost host_;
  std::unique_ptr<KathreinPresenter> presenter_;
  quorla::ui::SurfaceWidget* picture_ = nullptr;
  std::array<QPushButton*, 5> buttons_{};
};

}  // namespace radpattern::ui
