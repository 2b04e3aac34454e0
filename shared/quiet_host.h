#pragma once
// A Host with no one behind it (the command line, fuzzers, benchmarks): no dialog is shown, a
// message is answered Ok, or No where there is a choice, so that nothing is ever waived or
// confirmed; the clock is neither read nor set. Users override what they need.
#include "host.h"

namespace quorla {

class QuietHost : public Host {
 public:
  Answer Message(std::string_view, std::string_view, Buttons buttons, Icon) override {
    return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
  }
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
};

}  // namespace quorla
