#pragma once
// A tab page whose children keep their dialog-unit places but never reach past the page's bottom
// (the list box is taller than the page the tab control leaves it), and the colouring of the
// window's static texts: RGB 120, 0, 0 on the window colour.
#include <QLabel>
#include <QWidget>
#include <vector>

namespace recbook::ui {

class PageFrame : public QWidget {
 public:
  using QWidget::QWidget;
  void Place(QWidget* child, const QRect& rect);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  std::vector<std::pair<QWidget*, QRect>> placed_;
};

void StyleStaticLabel(QLabel& label);

}  // namespace recbook::ui
