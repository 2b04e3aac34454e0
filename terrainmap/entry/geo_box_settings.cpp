#include "entry/geo_box_settings.h"

#include <optional>

namespace terrainmap {
namespace {

constexpr const char* kGeoTxtBox = "GeoTxtBox";

std::optional<GeoBoxProperties>& InForce() {
  static std::optional<GeoBoxProperties> properties;
  return properties;
}

}  // namespace

GeoBoxProperties ReadGeoBoxProperties(const quorla::SettingsStore& store) {
  return ParseGeoBoxProperties(store.QueryText(quorla::kQuorlaKey, kGeoTxtBox).value_or(""));
}

GeoBoxProperties GeoBoxPropertiesInForce(const quorla::SettingsStore& store) {
  if (!InForce()) InForce() = ReadGeoBoxProperties(store);
  return *InForce();
}

void KeepGeoBoxProperties(quorla::SettingsStore& store, const GeoBoxProperties& p) {
  InForce() = p;
  store.CreateOrOpenKey(quorla::kQuorlaKey);
  store.SetText(quorla::kQuorlaKey, kGeoTxtBox, FormatGeoBoxProperties(p));
}

}  // namespace terrainmap
