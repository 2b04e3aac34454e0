#pragma once
// The entry-box properties dialog without its widgets: for longitude and latitude whether the caret
// skips over the hemisphere letter and where the colour selection begins; "&OK" puts the chosen
// properties in force and stores them in "GeoTxtBox".
#include <string>

#include "bilingual_texts.h"
#include "entry/geo_box_properties.h"
#include "settings_store.h"

namespace terrainmap {

class GeoBoxPropertiesPresenter {
 public:
  GeoBoxPropertiesPresenter(quorla::SettingsStore& store, quorla::Language language, std::string caption);

  std::string Title() const;
  const GeoBoxProperties& properties() const { return properties_; }

  // The check boxes "cursor skips over ''E'' / ''N'' " (checked: skip 0).
  void SetLonSkipsOver(bool checked) { properties_.lonSkip = checked ? 0 : 1; }
  void SetLatSkipsOver(bool checked) { properties_.latSkip = checked ? 0 : 1; }
  // The option chosen in a group: 0, 1, 2 for longitude (lonStart -1, 0, 1), 0, 1 for latitude.
  void SetLonStartOption(int option) { properties_.lonStart = option - 1; }
  void SetLatStartOption(int option) { properties_.latStart = option; }
  int lonStartOption() const { return properties_.lonStart + 1; }
  int latStartOption() const { return properties_.latStart; }

  // "&OK": the properties in force and stored.
  void Ok();

 private:
  quorla::SettingsStore& store_;
  quorla::Language language_;
  std::string caption_;
  GeoBoxProperties properties_;
};

}  // namespace terrainmap
