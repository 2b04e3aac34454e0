#include "forms/coordinates_dialog_presenter.h"

#include <algorithm>
#include <limits>

#include "entry/geo_entry_box.h"
#include "forms/block_field.h"
#include "forms/info_dialog_texts.h"
#include "forms/library_calls.h"
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

CoordinatesDialogPresenter::CoordinatesDialogPresenter(quorla::Host& host, const InfoRequest& request,
                                                       CoordinatesDialogView& view, LibraryCalls& calls,
                                                       quorla::SettingsStore& settings)
    : host_(host),
      request_(request),
      view_(view),
      calls_(calls),
      settings_(settings),
      longitude_(BoxText(request.texts, kLongitudeBox)),
      latitude_(BoxText(request.texts, kLatitudeBox)) {}

std::string CoordinatesDialogPresenter::Title() const {
  return request_.caption + Text(info_texts::kCoordinatesTitle);
}

void CoordinatesDialogPresenter::Start() { view_.ShowPosition(longitude_, latitude_); }

// What the conversion dialog's and the map viewer's blocks share: the owner, language, caption,
// whose position it is and the position.
template <class Block>
Block CoordinatesDialogPresenter::StationBlock() const {
  Block block{};
  block.parent = view_.WindowHandle();
  block.language = LanguageByte(request_.language);
  WriteBlockField(block.caption, request_.caption);
  block.kind = StationKindOf(request_.texts);
  WriteBlockField(block.coords, CompactPosition());
  return block;
}

std::string CoordinatesDialogPresenter::CompactPosition() const {
  return quorla::WithoutBlanks(longitude_) + "," + quorla::WithoutBlanks(latitude_);
}

bool CoordinatesDialogPresenter::TakePosition(const std::string& compact) {
  const size_t comma = compact.find(',');
  if (comma == std::string::npos) return false;
  const std::string lon = quorla::WithoutBlanks(compact.substr(0, comma));
  const std::string lat = quorla::WithoutBlanks(compact.substr(comma + 1));
  if (quorla::CheckGeoText(quorla::GeoKind::Longitude, lon) != 0 ||
      quorla::CheckGeoText(quorla::GeoKind::Latitude, lat) != 0)
    return false;
  longitude_ = terrainmap::DisplayFromCompact(quorla::GeoKind::Longitude, lon);
  latitude_ = terrainmap::DisplayFromCompact(quorla::GeoKind::Latitude, lat);
  writes_ = {{kLongitudeBox, longitude_}, {kLatitudeBox, latitude_}};
  Start();
  return true;
}

void CoordinatesDialogPresenter::Conversion() {
  if (!LongitudeValid(longitude_) || !LatitudeValid(latitude_)) {
    host_.Message(Text(info_texts::kWrongCoordinates), request_.caption + Text(info_texts::kCoordinatesErrorTitle),
                  quorla::Buttons::Ok, quorla::Icon::Error);
    return;
  }
  TransfSourParams block = StationBlock<TransfSourParams>();
  block.x = kBesideRight;
  block.y = kBesideBottom;
  block.buttons = 0;
  if (calls_.ConvertCoordinates(block) == 1) TakePosition(BlockFieldText(block.coords));
}

void CoordinatesDialogPresenter::FromMap() {
  // The stored terrain directory, normalised; a usable one that differs is stored in its place.
  const std::string stored = settings_.QueryText(quorla::kQuorlaKey, kTerrainValue).value_or("");
  const std::string usable = calls_.CheckTerrainDirectory(stored);
  if (usable.empty()) {
    host_.Message(Text(info_texts::kNoTerrainDirectory), request_.caption + Text(info_texts::kTerrainErrorTitle),
                  quorla::Buttons::Ok, quorla::Icon::Error);
    return;
  }
  if (usable != stored) {
    settings_.CreateOrOpenKey(quorla::kQuorlaKey);
    settings_.SetText(quorla::kQuorlaKey, kTerrainValue, usable);
  }
  MapViewerParams block = StationBlock<MapViewerParams>();
  const double radius = LenientNumber(request_.Text(Item::k4D));
  block.radius = static_cast<int32_t>(std::clamp(radius, 0.0, double(std::numeric_limits<int32_t>::max())));
  if (calls_.MapViewer(block) == 1 && TakePosition(BlockFieldText(block.coords))) view_.Close();
}

}  // namespace recbook
