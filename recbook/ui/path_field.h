#pragma once
// The file field: a path and its size text elided in the middle when the field is too narrow, so
// that the file name and size stay visible; the whole text is the tooltip.
#include <QLabel>

namespace recbook::ui {

class PathField : public QLabel {
 public:
  explicit PathField(QWidget* parent = nullptr);
  void SetFullText(const QString& text);
  const QString& fullText() const { return full_; }
  QSize minimumSizeHint() const override { return {0, QLabel::minimumSizeHint().height()}; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Elide();
  QString full_;
};

}  // namespace recbook::ui
