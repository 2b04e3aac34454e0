#pragma once
// The task window as its presenter sees it: controls named by their dialog ids.
#include <string_view>

namespace taskhub {

// Control ids of the task window.
enum TaskControl : int {
  kGroupFrame = 0,
  kOk = 1,
  kCancel = 2,
  kFlagButton = 5,
  kInternetButton = 6,
  kMapOption = 11,
  kEditorOption = 12,
  kAntennaOption = 13,
};

class TaskWindowView {
 public:
  virtual ~TaskWindowView() = default;
  virtual void SetTitle(std::string_view text) = 0;
  virtual void SetControlText(int id, std::string_view text) = 0;
  // The flag icon of the language that control 5 switches to: "TCH" or "UK".
  virtual void SetFlag(std::string_view name) = 0;
  virtual void CheckOption(int id) = 0;
  // 11 to 13, or 0 when no option is checked.
  virtual int CheckedOption() const = 0;
  // Ends the modal window with its code.
  virtual void Close(int code) = 0;
};

}  // namespace taskhub
