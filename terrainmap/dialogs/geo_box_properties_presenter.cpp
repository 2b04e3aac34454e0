#include "dialogs/geo_box_properties_presenter.h"

#include "dialogs/geo_box_properties_texts.h"
#include "entry/geo_box_settings.h"

namespace terrainmap {

GeoBoxPropertiesPresenter::GeoBoxPropertiesPresenter(quorla::SettingsStore& store, quorla::Language language,
                                                     std::string caption)
    : store_(store), language_(language), caption_(std::move(caption)), properties_(GeoBoxPropertiesInForce(store)) {}

std::string GeoBoxPropertiesPresenter::Title() const {
  return caption_ + std::string(kGeoBoxPropertiesTexts.title(language_));
}

void GeoBoxPropertiesPresenter::Ok() { KeepGeoBoxProperties(store_, properties_); }

}  // namespace terrainmap
