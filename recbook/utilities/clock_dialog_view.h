#pragma once
// What the date and time dialog's presenter asks of its widgets.
#include <string>

namespace recbook {

enum class ClockBox { Date, Time };

class ClockDialogView {
 public:
  virtual ~ClockDialogView() = default;

  virtual void ShowTexts(const std::string& date, const std::string& time) = 0;
  // The keyboard goes to the box.
  virtual void FocusBox(ClockBox box) = 0;
  // Ends the dialog; set: the clock was set.
  virtual void Close(bool set) = 0;
};

}  // namespace recbook
