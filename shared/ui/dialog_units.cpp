#include "ui/dialog_units.h"

#include <QFontMetrics>

namespace quorla::ui {

QFont DialogFont() {
  static const bool substituted = [] {
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Ms SanSerif", "Liberation Sans");
    QFont::insertSubstitution("Courier New", "Liberation Mono");
    return true;
  }();
  (void)substituted;
  QFont font("MS Sans Serif");
  font.setPointSize(8);
  return font;
}

QFont ListFont() {
  DialogFont();  // installs the substitutions
  QFont font("Courier New");
  font.setPointSize(9);
  font.setWeight(QFont::Normal);
  font.setStyleHint(QFont::TypeWriter);
  return font;
}

// The average width of the Latin letters, as Windows measures a dialog font.
DialogUnits::DialogUnits(const QFont& font) {
  const QFontMetrics m(font);
  const QString letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  charWidth_ = (m.horizontalAdvance(letters) / 26 + 1) / 2;
  charHeight_ = m.height();
}

}  // namespace quorla::ui
