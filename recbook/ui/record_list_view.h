#pragma once
// The list box of the list page: extended selection, fixed-pitch font, scrolled horizontally when
// the window is narrower than the lines.
// It tells the window when the user changed the selection (and whether a left press in the tag
// column, less than 36 pixels from the left edge, did it), double clicks and the right button.
#include <QListView>
#include <span>
#include <vector>

namespace recbook::ui {

class RecordListView : public QListView {
  Q_OBJECT
 public:
  explicit RecordListView(QWidget* parent = nullptr);

  std::vector<size_t> SelectedRows() const;
  size_t CaretRow() const;
  // Selects rows (programmatic: no userSelection signal) and puts the caret on caret.
  void SelectRows(std::span<const size_t> rows, size_t caret);
  // Connects the selection model after setModel.
  void Attach();

  static constexpr int kTagColumnPixels = 36;
  // The x of the lines' first character in the viewport, horizontal scrolling included.
  int TextLeft() const;
  // The width that shows whole lines of the given number of characters, frame and scroll bar included.
  int WidthForCharacters(int characters) const;

 signals:
  void userSelection(bool tagColumnPress);
  void rowDoubleClicked(size_t row);
  void editMenuRequested(const QPoint& globalPos);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  bool programmatic_ = false;
  bool inPress_ = false;
};

}  // namespace recbook::ui
