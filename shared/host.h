#pragma once
// The services a window's presenter asks of its surroundings: message boxes, file dialogs, the
// beep, the clipboard, the web browser and the clock. The Qt Host (ui/qt_host) shows real dialogs;
// the scripted Host (testing/scripted_host) answers from a script so that presenters run in tests.
// All texts are UTF-8; "\r\n" in a message is a line break.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorla {

enum class Icon { None, Information, Question, Exclamation, Error };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

// One open or save dialog, as a window configures it.
struct FileDialogRequest {
  std::string title;
  std::string filter;       // "Label|*.a;*.b|Label 2|*.*", the first pair selected
  std::string directory;    // initial folder; empty or non-existing = not set
  std::string fileName;     // initial name
  bool pathMustExist = true;
  bool fileMustExist = false;
  bool overwritePrompt = false;  // the presenters ask themselves; dialogs never do unless told
};

struct LocalTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// A picture for the clipboard: 32-bit 0xAARRGGBB pixels, row by row from the top.
struct Picture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
};

class Host {
 public:
  virtual ~Host() = default;

  // A modal message box; returns the button pressed (Cancel/No when closed otherwise).
  virtual Answer Message(std::string_view text, std::string_view title, Buttons buttons, Icon icon) = 0;
  // The chosen full path, or empty text when cancelled.
  virtual std::string OpenFileName(const FileDialogRequest& request) = 0;
  virtual std::string SaveFileName(const FileDialogRequest& request) = 0;
  // A folder chooser; the chosen folder or empty text.
  virtual std::string ChooseDirectory(std::string_view title, std::string_view start) = 0;

  virtual void Beep() = 0;
  virtual void SetClipboardText(std::string_view text) = 0;
  virtual std::string ClipboardText() = 0;
  virtual void SetClipboardPicture(const Picture& picture) = 0;
  // Opens a web page in the default browser; false when no browser could be started.
  virtual bool OpenWebPage(std::string_view url) = 0;

  virtual LocalTime Now() = 0;
  // Sets the system clock; false when the platform refused (missing right).
  virtual bool SetClock(const LocalTime& time) = 0;
  // Lets the window process pending events during a long loop (progress bars, Close).
  virtual void ProcessEvents() = 0;
};

}  // namespace quorla
