#pragma once
// The marker's position typed in WGS-84: the dialog " Input data" with "Geo. co-ordinates  WGS-84",
// a longitude and a latitude entry box, "&OK" and "&Cancel". The boxes keep their display form
// while the user types, yet they let through 180 degrees of longitude and 90 of latitude, which
// the co-ordinate test refuses: OK then says so and the dialog stays open for a correction.
#include <QDialog>
#include <optional>
#include <string>

#include "bilingual_texts.h"
#include "entry/geo_box_properties.h"
#include "host.h"
#include "windows/map_drawing.h"

namespace terrainmap::ui {

class GeoEntryEdit;

class MarkerInputDialog : public QDialog {
 public:
  MarkerInputDialog(QWidget* owner, quorla::Host& host, quorla::Language language, const std::string& caption,
                    const GeoBoxProperties& properties, const GeoPoint& start);

  // Runs the dialog modally: the position after OK, nullopt after Cancel.
  std::optional<GeoPoint> Run();

 private:
  void Confirm();

  quorla::Host& host_;
  quorla::Language language_;
  std::string caption_;
  GeoEntryEdit* lon_ = nullptr;
  GeoEntryEdit* lat_ = nullptr;
  GeoPoint position_;
};

}  // namespace terrainmap::ui
