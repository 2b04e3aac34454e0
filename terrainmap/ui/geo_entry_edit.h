#pragma once
// The co-ordinate entry box: a line edit kept in its display form ("015 E 00 00", "49 N 00 00",
// or planar "3500 000") while the user types. After each change made while it has the focus the
// text is normalised, put back and the caret and selection placed as the rules compute; putting
// the text back does not start the reaction again. On focus the selection starts where the
// properties say. Used by the map library's dialogs and by the record form.
#include <QLineEdit>
#include <functional>

#include "entry/geo_box_properties.h"

namespace terrainmap::ui {

class GeoEntryEdit : public QLineEdit {
 public:
  enum class Mode { Longitude, Latitude, Planar };

  GeoEntryEdit(Mode mode, const GeoBoxProperties& properties, bool tenths = false, QWidget* parent = nullptr);

  void SetMode(Mode mode) { mode_ = mode; }
  Mode mode() const { return mode_; }
  // The user's properties from now on (the properties dialog was confirmed).
  void SetProperties(const GeoBoxProperties& properties) { properties_ = properties; }
  // Puts a text in as it is, without the reaction to a change.
  void PutText(const QString& text);
  // Called after each normalisation the user's typing caused.
  void OnNormalised(std::function<void()> callback) { normalised_ = std::move(callback); }

 protected:
  void focusInEvent(QFocusEvent* event) override;

 private:
  void Normalise();
  void Select(int start, int end);

  Mode mode_;
  GeoBoxProperties properties_;
  bool tenths_;
  bool puttingBack_ = false;
  std::function<void()> normalised_;
};

}  // namespace terrainmap::ui
