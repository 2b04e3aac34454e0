#include "forms/coordinates_dialog_presenter.h"

#include <algorithm>
#include <limits>

#include "entry/geo_entry_box.h"
#include "forms/block_field.h"
#include "forms/info_dialog_texts.h"
#include "forms/library_calls.h"
#include "forms/record_form_presenter.h"
#include "forms/station_kind.h"
#include "geo_text.h"
#include "records/record_text.h"
#include "rules/record_check.h"

namespace recbook {
namespace {

constexpr const char* kTerrainValue = "DtmHcm";
// The conversion dialog sits flush with the right and bottom edges of the [4C] dialog.
constexpr int32_t kBesideRight = -3, kBesideBottom = -2;

}  // namespace

CoordinatesDialogPresenter::CoordinatesDialogPresenter(quorla::Host& host, CoordinatesDialogView& view,
                                                       RecordFormPresenter& form, LibraryCalls& calls,
                                                       quorla::SettingsStore& settings)
    : host_(host), view_(view), form_(form), calls_(calls), settings_(settings) {}

std::string CoordinatesDialogPresenter::Text(const quorla::BiText& t) const {
  return std::string(t(form_.setup().language));
}

std::string CoordinatesDialogPresenter::Title() const {
  return form_.setup().caption + Text(info_texts::kCoordinatesTitle);
}

void CoordinatesDialogPresenter::Start() {
  view_.ShowPosition(BoxText(form_.texts(), kLongitudeBox), BoxText(form_.texts(), kLatitudeBox));
}

std::string CoordinatesDialogPresenter::CompactPosition() const {
  return quorla::WithoutBlanks(BoxText(form_.texts(), kLongitudeBox)) + "," +
         quorla::WithoutBlanks(BoxText(form_.texts(), kLatitudeBox));
}

bool CoordinatesDialogPresenter::WritePosition(const std::string& compact) {
  const size_t comma = compact.find(',');
  if (comma == std::string::npos) return false;
  const std::string lon = quorla::WithoutBlanks(compact.substr(0, comma));
  const std::string lat = quorla::WithoutBlanks(compact.substr(comma + 1));
  if (quorla::CheckGeoText(quorla::GeoKind::Longitude, lon) != 0 ||
      quorla::CheckGeoText(quorla::GeoKind::Latitude, lat) != 0)
    return false;
  form_.Apply({{kLongitudeBox, terrainmap::DisplayFromCompact(quorla::GeoKind::Longitude, lon)}});
  form_.Apply({{kLatitudeBox, terrainmap::DisplayFromCompact(quorla::GeoKind::Latitude, lat)}});
  Start();
  return true;
}

void CoordinatesDialogPresenter::Conversion() {
  if (!LongitudeValid(BoxText(form_.texts(), kLongitudeBox)) || !LatitudeValid(BoxText(form_.texts(), kLatitudeBox))) {
    host_.Message(Text(info_texts::kWrongCoordinates), form_.setup().caption + Text(info_texts::kCoordinatesErrorTitle),
                  quorla::Buttons::Ok, quorla::Icon::Error);
    return;
  }
  TransfSourParams block{};
  block.parent = view_.WindowHandle();
  block.x = kBesideRight;
  block.y = kBesideBottom;
  block.language = form_.setup().language == quorla::Language::English ? 0 : 1;
  WriteBlockField(block.caption, form_.setup().caption);
  block.kind = StationKindOf(form_.texts());
  WriteBlockField(block.coords, CompactPosition());
  block.buttons = 0;
  if (calls_.ConvertCoordinates(block) == 1) WritePosition(BlockFieldText(block.coords));
}

void CoordinatesDialogPresenter::FromMap() {
  // The stored terrain directory, normalised; a usable one that differs is stored in its place.
  const std::string stored = settings_.QueryText(quorla::kQuorlaKey, kTerrainValue).value_or("");
  const std::string usable = calls_.CheckTerrainDirectory(stored);
  if (usable.empty()) {
    host_.Message(Text(info_texts::kNoTerrainDirectory), form_.setup().caption + Text(info_texts::kTerrainErrorTitle),
                  quorla::Buttons::Ok, quorla::Icon::Error);
    return;
  }
  if (usable != stored) {
    settings_.CreateOrOpenKey(quorla::kQuorlaKey);
    settings_.SetText(quorla::kQuorlaKey, kTerrainValue, usable);
  }
  MapViewerParams block{};
  block.parent = view_.WindowHandle();
  block.language = form_.setup().language == quorla::Language::English ? 0 : 1;
  WriteBlockField(block.caption, form_.setup().caption);
  block.kind = StationKindOf(form_.texts());
  WriteBlockField(block.coords, CompactPosition());
  const double radius = LenientNumber(BoxText(form_.texts(), RecordBoxOf(Item::k4D).id));
  block.radius = static_cast<int32_t>(std::clamp(radius, 0.0, double(std::numeric_limits<int32_t>::max())));
  if (calls_.MapViewer(block) == 1 && WritePosition(BlockFieldText(block.coords))) view_.Close();
}

}  // namespace recbook
