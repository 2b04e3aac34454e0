#pragma once
// A Host without windows: messages go to a text stream as "title: text" and are answered with
// their first button; dialogs are cancelled. For the command line and for callers without Qt.
#include <ostream>

#include "host.h"

namespace quorla::geoatlas {

class StreamHost : public Host {
 public:
  explicit StreamHost(std::ostream& out) : out_(out) {}
  Answer Message(std::string_view text, std::string_view title, Buttons buttons, Icon icon) override;
  std::string OpenFileName(const FileDialogRequest&) override { return {}; }
  std::string SaveFileName(const FileDialogRequest&) override { return {}; }
  std::string ChooseDirectory(std::string_view, std::string_view) override { return {}; }
  void Beep() override {}
  void SetClipboardText(std::string_view) override {}
  std::string ClipboardText() override { return {}; }
  void SetClipboardPicture(const Picture&) override {}
  bool OpenWebPage(std::string_view) override { return false; }
  LocalTime Now() override { return {}; }
  bool SetClock(const LocalTime&) override { return false; }
  void ProcessEvents() override {}

 private:
  std::ostream& out_;
};

}  // namespace quorla::geoatlas
