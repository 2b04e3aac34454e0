#pragma once
// The Host of real windows: Qt message boxes and file dialogs, application-modal, over a parent.
#include <QPointer>
#include <QWidget>

#include "host.h"

namespace quorla {

class QtHost : public Host {
 public:
  explicit QtHost(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }

  Answer Message(std::string_view text, std::string_view title, Buttons buttons, Icon icon) override;
  std::string OpenFileName(const FileDialogRequest& request) override;
  std::string SaveFileName(const FileDialogRequest& request) override;
  std::string ChooseDirectory(std::string_view title, std::string_view start) override;
  void Beep() override;
  void SetClipboardText(std::string_view text) override;
  std::string ClipboardText() override;
  void SetClipboardPicture(const Picture& picture) override;
  bool OpenWebPage(std::string_view url) override;
  LocalTime Now() override;
  bool SetClock(const LocalTime& time) override;
  void ProcessEvents() override;

 private:
  QPointer<QWidget> parent_;
};

// Turns "Label|*.a;*.b|Label 2|*.*" into Qt's "Label (*.a *.b);;Label 2 (*.*)".
QString QtFilterText(const std::string& filter);

}  // namespace quorla
