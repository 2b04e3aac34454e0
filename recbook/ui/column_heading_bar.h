#pragma once
// The heading over the record list: drawn in the list's font from the x of the list's first text
// character, so that each heading character stands over the same character of the lines, and
// scrolled horizontally with the list.
#include <QString>
#include <QWidget>

namespace recbook::ui {

class RecordListView;

class ColumnHeadingBar : public QWidget {
 public:
  ColumnHeadingBar(RecordListView& list, QWidget* parent = nullptr);
  void SetText(const QString& text);
  const QString& text() const { return text_; }
  // The x of the heading's first character in this widget.
  int TextLeft() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  RecordListView& list_;
  QString text_;
};

}  // namespace recbook::ui
