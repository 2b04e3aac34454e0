#pragma once
// What the header form's presenter asks of its page. Box ids are 11 to 20.
#include <string>

namespace recbook {

class HeaderFormView {
 public:
  virtual ~HeaderFormView() = default;
  virtual void ShowBoxText(int box, const std::string& text) = 0;
  // Moves the input focus into the box and selects characters start to end.
  virtual void FocusBox(int box, int start, int end) = 0;
  virtual void ShowChanged(bool changed) = 0;
  // The page's status text (" Header cleared"); empty clears it.
  virtual void ShowStatus(const std::string& text) = 0;
};

}  // namespace recbook
