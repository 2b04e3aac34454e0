#include "ui/geo_entry_edit.h"

#include <QFocusEvent>
#include <algorithm>

#include "entry/geo_entry_box.h"
#include "entry/planar_entry_box.h"

namespace terrainmap::ui {

GeoEntryEdit::GeoEntryEdit(Mode mode, const GeoBoxProperties& properties, bool tenths, QWidget* parent)
    : QLineEdit(parent), mode_(mode), properties_(properties), tenths_(tenths) {
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (hasFocus() && !puttingBack_) Normalise();
  });
}

void GeoEntryEdit::PutText(const QString& text) {
  puttingBack_ = true;
  setText(text);
  puttingBack_ = false;
}

void GeoEntryEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  const quorla::GeoKind kind = mode_ == Mode::Latitude ? quorla::GeoKind::Latitude : quorla::GeoKind::Longitude;
  const BoxSelection s = FocusSelection(kind, properties_, mode_ == Mode::Planar);
  Select(s.start, s.end);
}

void GeoEntryEdit::Normalise() {
  const std::string typed = text().toLatin1().toStdString();  // one byte per character, as the caret counts
  const BoxEdit edit =
      mode_ == Mode::Planar
          ? NormalisePlanarBox(typed, cursorPosition())
          : NormaliseGeoBox(mode_ == Mode::Latitude ? quorla::GeoKind::Latitude : quorla::GeoKind::Longitude, tenths_,
                            typed, cursorPosition(), properties_);
  PutText(QString::fromStdString(edit.text));
  Select(edit.selectionStart, edit.selectionEnd);
  if (normalised_) normalised_();
}

// From start to end, the caret at end; both kept within the text.
void GeoEntryEdit::Select(int start, int end) {
  const int length = static_cast<int>(text().size());
  start = std::clamp(start, 0, length);
  end = std::clamp(end, start, length);
  if (end == start) setCursorPosition(start);
  else setSelection(start, end - start);
}

}  // namespace terrainmap::ui
