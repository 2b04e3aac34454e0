#include "dialogs/datum_dialog_presenter.h"

#include <cmath>

#include "datum/datum_conversion.h"
#include "datum/gauss_kruger.h"
#include "datum/geodetic_systems.h"
#include "dialogs/datum_dialog_texts.h"
#include "entry/geo_entry_box.h"
#include "entry/planar_entry_box.h"
#include "geo_text.h"
#include "lenient_number.h"

namespace terrainmap {
namespace {

using quorla::GeoKind;

constexpr size_t kCoordsCapacity = 254;  // the block's field, less its terminator

std::string ValidOrNeutral(GeoKind kind, const std::string& compact) {
  if (quorla::CheckGeoText(kind, compact) == 0) return DisplayFromCompact(kind, compact);
  return kind == GeoKind::Longitude ? "000 E 00 00" : "00 N 00 00";
}

quorla::GeoPosition ReadGeographic(const std::string& lon, const std::string& lat) {
  return quorla::ParseGeoText(quorla::WithoutBlanks(lon) + "," + quorla::WithoutBlanks(lat));
}

// A shifted position near a pole can leave the range of the text fields (the longitude shift
// grows without bound as cos(lat) nears 0): the longitude is brought back into [-180, 180) and the
// latitude kept within the poles, so the result is always a position.
quorla::GeoPosition OnTheGlobe(double lon, double lat) {
  lon = std::fmod(lon + 180.0, 360.0);
  if (lon < 0) lon += 360.0;
  return {lon - 180.0, std::fmax(-90.0, std::fmin(90.0, lat))};
}

}  // namespace

DatumDialogPresenter::DatumDialogPresenter(DatumDialogView& view, DatumDialogStart start)
    : view_(view), start_(std::move(start)) {}

std::string DatumDialogPresenter::Title() const {
  const auto& t = kDatumDialogTexts;
  const int kind = (start_.kind >= 0 && start_.kind <= 2) ? start_.kind : 0;
  return start_.caption + std::string(t.titleStart(start_.language)) + std::string(t.kinds[kind](start_.language)) +
         std::string(t.titleEnd(start_.language));
}

void DatumDialogPresenter::Open() {
  const std::string compact = quorla::WithoutBlanks(start_.coords);
  first_ = ValidOrNeutral(GeoKind::Longitude, compact.substr(0, 8));
  second_ = ValidOrNeutral(GeoKind::Latitude, compact.size() > 9 ? compact.substr(9) : std::string());
  index_ = 0;
  view_.SetInputs(first_, second_, false);
  view_.SetInputLabel(kDatumDialogTexts.geographicInput(start_.language));
  // A stored planar choice is entered like a change of the list, so the boxes hold Y and X.
  if (start_.systemIndex > 0) SystemChosen(start_.systemIndex);
  else Recompute();
}

void DatumDialogPresenter::SystemChosen(int index) {
  if (index < 0 || index >= kGeodeticSystemCount || index == index_) return;
  if (index == kPlanarSystemIndex) {
    keptFirst_ = first_;
    keptSecond_ = second_;
    const quorla::GeoPosition p = ReadGeographic(first_, second_);
    const std::string planar = GaussKrugerDisplayText(GaussKrugerForward(p.lon, p.lat));
    first_ = NormalisePlanarBox(planar.substr(0, 8), 0).text;
    second_ = NormalisePlanarBox(planar.size() >= 8 ? planar.substr(planar.size() - 8) : planar, 0).text;
    view_.SetInputs(first_, second_, true);
  } else if (index_ == kPlanarSystemIndex) {
    first_ = keptFirst_;
    second_ = keptSecond_;
    view_.SetInputs(first_, second_, false);
  }
  index_ = index;
  const auto& t = kDatumDialogTexts;
  view_.SetInputLabel(index_ == kPlanarSystemIndex ? t.planarInput(start_.language) : t.geographicInput(start_.language));
  Recompute();
}

void DatumDialogPresenter::InputsEdited(const std::string& first, const std::string& second) {
  first_ = first;
  second_ = second;
  Recompute();
}

void DatumDialogPresenter::Recompute() {
  if (index_ == 0) {
    resultLon_ = first_;
    resultLat_ = second_;
    view_.SetResults(resultLon_ + " ,", resultLat_);
    view_.SetStatus(DatumStatusText(0, 0, 0, start_.language));
    return;
  }
  quorla::GeoPosition input;
  if (index_ == kPlanarSystemIndex) {
    input = {quorla::LenientNumber(quorla::WithoutBlanks(first_)), quorla::LenientNumber(quorla::WithoutBlanks(second_))};
  } else {
    input = ReadGeographic(first_, second_);
  }
  const auto r = ConvertToWgs84(index_, input.lon, input.lat, start_.language);
  const quorla::GeoPosition wgs = OnTheGlobe(r->lon, r->lat);
  const std::string compact = quorla::FormatGeoText(wgs.lon, wgs.lat, false);
  const size_t comma = compact.find(',');
  resultLon_ = DisplayFromCompact(GeoKind::Longitude, compact.substr(0, comma));
  resultLat_ = DisplayFromCompact(GeoKind::Latitude, compact.substr(comma + 1));
  view_.SetResults(resultLon_ + " ,", resultLat_);
  view_.SetStatus(r->status);
}

void DatumDialogPresenter::Finish(int result) {
  resultCoords_ = quorla::WithoutBlanks(resultLon_ + "," + resultLat_).substr(0, kCoordsCapacity);
  view_.Close(result);
}

}  // namespace terrainmap
