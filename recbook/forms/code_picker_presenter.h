#pragma once
// The Info dialogs that pick a code: the option-button pickers ([1Z], [6A], [6B], [9D]), the list
// pickers in a fixed-pitch list box ([6Z], [4B], [13Y]) and the two option buttons of [10Z] and
// [8B2]. The dialog opens on the line of the box's code and "&OK" writes the chosen line's code.
#include <optional>
#include <string>
#include <vector>

#include "forms/info_request.h"

namespace recbook {

class CodePickerView {
 public:
  virtual ~CodePickerView() = default;
  // Checks the option button or selects the list line (0: the line for a missing or wrong code;
  // for the two-button pickers, no button checked).
  virtual void SelectLine(size_t line) = 0;
};

enum class PickerShape : uint8_t { OptionButtons, ListBox, TwoButtons };

// What the dialog shows, single-byte texts in the window's language.
struct PickerLayout {
  std::string title;
  PickerShape shape;
  // Indexed by picker line: lines[0] is the line for a missing or wrong code (empty for the
  // two-button pickers, which show wrongCode above their buttons instead).
  std::vector<std::string> lines;
  std::vector<std::string> details;  // a second line under a line's button, mostly empty
  std::string wrongCode;             // "...  Wrong code  !!  " for the two-button pickers
  std::string linkLine;              // "If [1A]=blank than [1Z] is linked to [1Y] else to [1A]"
  std::string moreInfo;
};

class CodePickerPresenter {
 public:
  // request: an Info request of an item with a code list (CodeListOf).
  CodePickerPresenter(const InfoRequest& request, CodePickerView& view);

  // Shows the line the dialog opens on (the window is built from layout() first).
  void Open() { view_.SelectLine(selected_); }
  const PickerLayout& layout() const { return layout_; }
  size_t selected() const { return selected_; }
  // The user checked a button or selected a line.
  void Choose(size_t line);
  // "&OK": the chosen line's code into the item's box; nothing when no button is checked.
  BoxWrites Ok() const;

 private:
  const InfoRequest request_;
  CodePickerView& view_;
  const CodeList& list_;
  PickerLayout layout_;
  size_t selected_ = 0;
};

}  // namespace recbook
