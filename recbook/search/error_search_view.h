#pragma once
// What the error search asks of the editor window. Menus are addressed by their position on the
// menu bar (the first, always greyed popup is position 0, so File is 1 and Help is 6), items by
// their command id. The window implements it beside its own view.
#include <cstddef>
#include <string>

namespace recbook {

inline constexpr int kFileMenuPosition = 1;
inline constexpr int kEditMenuPosition = 2;
inline constexpr int kSortMenuPosition = 3;
inline constexpr int kCorrectionsMenuPosition = 4;
inline constexpr int kUtilitiesMenuPosition = 5;

class ErrorSearchView {
 public:
  virtual ~ErrorSearchView() = default;

  virtual void EnableMenu(int barPosition, bool enabled) = 0;
  virtual void EnableMenuItem(int id, bool enabled) = 0;
  virtual void SetMenuCaption(int id, const std::string& text) = 0;
  // The list page's Edit menu changed: while a search runs it is ErrorSearchPresenter::EditMenu(),
  // otherwise the normal menu of the list page. Rebuild it when the list page is shown.
  virtual void RebuildEditMenu() = 0;

  // The marks (character 1) of the list's lines changed; the lines themselves did not.
  virtual void ListMarksChanged() = 0;
  // Lines were removed from the list: show it again, the caret line selected alone.
  virtual void ListLinesRemoved() = 0;
  // Makes row the only selected line and the caret line, scrolled into view.
  virtual void SelectRow(size_t row) = 0;

  // The search's line in the status bar (part 4): its scope while it runs; empty when it ended,
  // and the window shows its sort text there again.
  virtual void SetSearchStatus(const std::string& text) = 0;
  // The record form's first button: " Find error" during a search, " New Rec" otherwise.
  virtual void SetFormFirstButton(const std::string& text) = 0;
  // Status bar parts 0 to 3 again (StatusParts with ErrorSearchPresenter::errorMarks()).
  virtual void RefreshStatus() = 0;
};

}  // namespace recbook
