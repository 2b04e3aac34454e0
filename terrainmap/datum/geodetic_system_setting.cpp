#include "datum/geodetic_system_setting.h"

#include <string>

#include "datum/geodetic_systems.h"
#include "lenient_number.h"

namespace terrainmap {
namespace {
constexpr const char* kGeoSyst = "GeoSyst";
}

int ReadGeodeticSystemSetting(const quorla::SettingsStore& store) {
  const double v = quorla::LenientNumber(store.QueryText(quorla::kQuorlaKey, kGeoSyst).value_or(""));
  const int index = static_cast<int>(v);
  return (v == index && index >= 0 && index < kGeodeticSystemCount) ? index : 0;
}

void WriteGeodeticSystemSetting(quorla::SettingsStore& store, int read, int chosen) {
  if (chosen == read) return;
  store.CreateOrOpenKey(quorla::kQuorlaKey);
  store.SetText(quorla::kQuorlaKey, kGeoSyst, std::to_string(chosen));
}

}  // namespace terrainmap
