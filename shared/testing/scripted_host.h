#pragma once
// A Host for tests: it expects the given prompts in the given order, checks each message's exact
// text, title, buttons and icon, and answers as scripted. Anything unexpected is a test failure.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "host.h"

namespace quorla {

class ScriptedHost : public Host {
 public:
  ScriptedHost() = default;
  ~ScriptedHost() override;  // reports expectations left over

  ScriptedHost& ExpectMessage(std::string text, std::string title, Buttons buttons, Icon icon,
                              Answer answer = Answer::Ok);
  // title empty = not checked. The request the presenter made is kept in Requests().
  ScriptedHost& ExpectOpenFileName(std::string returns, std::string title = {});
  ScriptedHost& ExpectSaveFileName(std::string returns, std::string title = {});
  ScriptedHost& ExpectChooseDirectory(std::string returns, std::string title = {});
  ScriptedHost& ExpectOpenWebPage(std::string url, bool opened);

  void SetNow(const LocalTime& t) { now_ = t; }
  void SetClockAllowed(bool allowed) { clockAllowed_ = allowed; }

  void VerifyAllConsumed();  // fails the test when an expectation was not met

  const std::vector<FileDialogRequest>& Requests() const { return requests_; }
  int beeps() const { return beeps_; }
  const std::string& clipboardText() const { return clipboard_; }
  const Picture& clipboardPicture() const { return picture_; }
  const std::optional<LocalTime>& clockSet() const { return clockSet_; }
  int eventPumps() const { return pumps_; }

  Answer Message(std::string_view text, std::string_view title, Buttons buttons, Icon icon) override;
  std::string OpenFileName(const FileDialogRequest& request) override;
  std::string SaveFileName(const FileDialogRequest& request) override;
  std::string ChooseDirectory(std::string_view title, std::string_view start) override;
  void Beep() override { ++beeps_; }
  void SetClipboardText(std::string_view text) override { clipboard_ = text; }
  std::string ClipboardText() override { return clipboard_; }
  void SetClipboardPicture(const Picture& picture) override { picture_ = picture; }
  bool OpenWebPage(std::string_view url) override;
  LocalTime Now() override { return now_; }
  bool SetClock(const LocalTime& time) override;
  void ProcessEvents() override { ++pumps_; }

 private:
  enum class Kind { Message, Open, Save, Directory, WebPage };
  struct Step {
    Kind kind;
    std::string text, title;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer answer = Answer::Ok;
    bool flag = false;
  };
  std::optional<Step> Next(Kind kind, std::string_view what);
  std::string Dialog(Kind kind, const FileDialogRequest& request);

  std::deque<Step> steps_;
  std::vector<FileDialogRequest> requests_;
  LocalTime now_{2026, 12, 7, 12, 0, 0};
  bool clockAllowed_ = true;
  std::optional<LocalTime> clockSet_;
  std::string clipboard_;
  Picture picture_;
  int beeps_ = 0, pumps_ = 0;
  bool verified_ = false;
};

}  // namespace quorla
