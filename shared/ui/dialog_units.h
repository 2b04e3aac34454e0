#pragma once
// Dialog units to pixels from the dialog font, as the layouts are given: x = average character
// width / 4, y = character height / 8. The dialog font is "MS Sans Serif" 8 points (Liberation
// Sans here); the names are mapped once, the texts never change.
#include <QFont>
#include <QRect>

namespace quorla::ui {

// The dialog font, with the font substitutions of the old names installed.
QFont DialogFont();
// "Courier New" 9 points, normal weight: the list's fixed-pitch font.
QFont ListFont();

class DialogUnits {
 public:
  explicit DialogUnits(const QFont& font);
  int X(int du) const { return du * charWidth_ / 4; }
  int Y(int du) const { return du * charHeight_ / 8; }
  QRect Rect(int x, int y, int w, int h) const { return {X(x), Y(y), X(w), Y(h)}; }

 private:
  int charWidth_;
  int charHeight_;
};

}  // namespace quorla::ui
