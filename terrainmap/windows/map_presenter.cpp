#include "windows/map_presenter.h"

#include <algorithm>
#include <cmath>

#include "geo_text.h"
#include "overlays/road_set.h"
#include "windows/map_window_texts.h"

namespace terrainmap {
namespace {

// The smallest detail rectangle taken, in pixels; a click without a drag is none.
constexpr double kMinDetailPx = 3;

std::optional<GeoPoint> StationFrom(const std::string& coords) {
  if (coords.size() < 10) return std::nullopt;
  const std::string lon = coords.substr(0, 8), lat = coords.substr(9);
  if (quorla::CheckGeoText(quorla::GeoKind::Longitude, lon) != 0 ||
      quorla::CheckGeoText(quorla::GeoKind::Latitude, lat) != 0)
    return std::nullopt;
  const quorla::GeoPosition p = quorla::ParseGeoText(lon + "," + lat);
  return GeoPoint{p.lon, p.lat};
}

}  // namespace

MapPresenter::MapPresenter(MapView& view, quorla::Host& host, MapOpening opening, MapLookups lookups)
    : view_(view), host_(host), opening_(std::move(opening)), lookups_(std::move(lookups)) {}

void MapPresenter::Open() {
  station_ = StationFrom(opening_.coords);
  marker_ = station_;
  if (opening_.radiusKm < 0) {
    size_ = kLastMapSize;
    centre_ = {15, 50};
  } else {
    size_ = InitialMapSizeIndex(opening_.radiusKm);
    if (station_) centre_ = *station_;
    radiusKm_ = station_ ? opening_.radiusKm : 0;
  }
  roadsAndTowns_ = opening_.roadsAndTownsAvailable;
  view_.SetTitle(Title());
  view_.SetSizeSelection(size_);
  SetMode(MouseMode::Marker);
  Redraw();
}

std::string MapPresenter::Title() const {
  const quorla::Language l = opening_.language;
  std::string title = opening_.caption;
  if (opening_.kind == 0) {
    title += map_texts::kMapViewer(l);
  } else {
    title += std::string(map_texts::kPosition(l)) +
             std::string(opening_.kind == 1 ? map_texts::kOfTransmitter(l) : map_texts::kOfReceiver(l)) +
             std::string(map_texts::kInMap(l));
  }
  title += std::string(map_texts::kVersion) + std::string(map_texts::kDtmDirectory(l)) + opening_.directories.terrain;
  if (radiusKm_ > 0 && view_.MapWidth() > 420)
    title += std::string(map_texts::kServiceArea(l)) + std::to_string(opening_.radiusKm) + "km";
  return title;
}

void MapPresenter::Redraw() {
  frame_ = MakeMapFrame(centre_.lon, centre_.lat, size_, view_.MapWidth(), view_.MapHeight());
  MapRequest r;
  r.lon = centre_.lon;
  r.lat = centre_.lat;
  r.sizeIndex = size_;
  r.terrainDir = opening_.directories.terrain;
  r.borderDir = opening_.directories.border;
  r.worldBorders = worldBorders_;
  r.roadsAndTowns = roadsAndTowns_;
  r.marker = marker_;
  r.station = station_;
  r.radiusKm = radiusKm_;
  r.language = opening_.language;
  drawing_ = true;
  dragStart_.reset();
  view_.SetRubberBand(std::nullopt);
  view_.SetControlsEnabled(false, false);
  view_.StartDrawing(r);
}

void MapPresenter::DrawingFinished(bool) {
  drawing_ = false;
  view_.SetControlsEnabled(true, opening_.kind != 0 && marker_);
  view_.SetMouseMode(mode_);
  UpdateMenu();
}

void MapPresenter::UpdateMenu() {
  auto set = [&](MapCommand c, bool enabled, bool checked = false) { view_.SetMenuItem(c, enabled, checked); };
  set(MapCommand::Description, true);
  set(MapCommand::MarkerWgs84, true);
  set(MapCommand::MarkerOtherSystems, true);
  set(MapCommand::Minimize, true);
  set(MapCommand::Maximize, true);
  set(MapCommand::Redraw, true);
  set(MapCommand::Clipboard, true);
  set(MapCommand::ClipboardWithoutMarker, true);
  set(MapCommand::ModeMarker, true, mode_ == MouseMode::Marker);
  set(MapCommand::ModeMove, true, mode_ == MouseMode::Move);
  set(MapCommand::ModeDetail, true, mode_ == MouseMode::Detail);
  set(MapCommand::DetailBack, previousSize_.has_value());
  set(MapCommand::ModeTwoPoints, true, mode_ == MouseMode::TwoPoints);
  set(MapCommand::ModeFromMarker, marker_.has_value(), mode_ == MouseMode::FromMarker);
  const bool world = opening_.worldMapUsable, roads = opening_.roadsAndTownsAvailable;
  set(MapCommand::WorldAboveSize9, world, worldBorders_ == WorldBorders::AboveSize9);
  set(MapCommand::WorldAlways, world, worldBorders_ == WorldBorders::Always);
  set(MapCommand::RoadsAndTowns, roads, roads && roadsAndTowns_);
  set(MapCommand::NoRoadsAndTowns, roads, roads && !roadsAndTowns_);
  set(MapCommand::FormatDms, true, !decimal_);
  set(MapCommand::FormatDecimal, true, decimal_);
  set(MapCommand::Directories, true);
  set(MapCommand::EntryBoxProperties, true);
}

void MapPresenter::SetMode(MouseMode mode) {
  mode_ = mode;
  dragStart_.reset();
  view_.SetRubberBand(std::nullopt);
  view_.SetMouseMode(mode);
  view_.SetStatus(map_texts::kModeHints[static_cast<int>(mode)](opening_.language));
  UpdateMenu();
}

void MapPresenter::SelectSize(int sizeIndex) {
  if (drawing_ || sizeIndex == size_ || sizeIndex < kFirstMapSize || sizeIndex > kLastMapSize) return;
  previousSize_ = size_;
  size_ = sizeIndex;
  view_.SetSizeSelection(size_);
  Redraw();
}

void MapPresenter::Command(MapCommand command) {
  if (drawing_) return;  // the menu is disabled while a drawing runs
  const quorla::Language l = opening_.language;
  const GeoPoint start = marker_.value_or(centre_);
  std::optional<GeoPoint> typed;
  switch (command) {
    case MapCommand::Description:
      host_.Message(map_texts::kDescription(l), opening_.caption + std::string(map_texts::kInfo(l)),
                    quorla::Buttons::Ok, quorla::Icon::Information);
      return;
    case MapCommand::MarkerWgs84:
      typed = view_.AskMarkerWgs84(start);
      break;
    case MapCommand::MarkerOtherSystems:
      typed = view_.AskMarkerOtherSystem(start);
      break;
    case MapCommand::Minimize: view_.Minimize(); return;
    case MapCommand::Maximize: view_.Maximize(); return;
    case MapCommand::Redraw: Redraw(); return;
    case MapCommand::Clipboard:
    case MapCommand::ClipboardWithoutMarker:
      view_.CopyToClipboard(command == MapCommand::Clipboard);
      host_.Message(map_texts::kClipboardSaved(l), opening_.caption + std::string(map_texts::kClipboardInfo(l)),
                    quorla::Buttons::Ok, quorla::Icon::Information);
      return;
    case MapCommand::ModeMarker: SetMode(MouseMode::Marker); return;
    case MapCommand::ModeMove: SetMode(MouseMode::Move); return;
    case MapCommand::ModeDetail: SetMode(MouseMode::Detail); return;
    case MapCommand::ModeTwoPoints: SetMode(MouseMode::TwoPoints); return;
    case MapCommand::ModeFromMarker:
      // Its menu item is disabled without a marker; the toolbar button asks the same.
      if (!marker_) {
        host_.Beep();
        return;
      }
      SetMode(MouseMode::FromMarker);
      return;
    case MapCommand::DetailBack:
      if (!previousSize_) return;
      std::swap(size_, *previousSize_);
      view_.SetSizeSelection(size_);
      Redraw();
      return;
    case MapCommand::WorldAboveSize9:
    case MapCommand::WorldAlways:
      worldBorders_ = command == MapCommand::WorldAlways ? WorldBorders::Always : WorldBorders::AboveSize9;
      Redraw();
      return;
    case MapCommand::RoadsAndTowns:
    case MapCommand::NoRoadsAndTowns:
      roadsAndTowns_ = command == MapCommand::RoadsAndTowns;
      Redraw();
      return;
    case MapCommand::FormatDms:
    case MapCommand::FormatDecimal:
      decimal_ = command == MapCommand::FormatDecimal;
      UpdateMenu();
      return;
    case MapCommand::Directories:
      if (const auto d = view_.AskDirectories(); d && !d->terrain.empty()) {
        opening_.directories = *d;
        if (lookups_.setUpWorldMap) opening_.worldMapUsable = lookups_.setUpWorldMap(d->terrain);
        opening_.roadsAndTownsAvailable = RoadsAndTownsAvailable(RoadDirectory(d->terrain));
        roadsAndTowns_ = opening_.roadsAndTownsAvailable;
        view_.SetTitle(Title());
        Redraw();
      }
      return;
    case MapCommand::EntryBoxProperties:
      view_.AskEntryBoxProperties();
      return;
  }
  if (!typed) return;
  marker_ = centre_ = *typed;
  Redraw();
}

GeoPoint MapPresenter::At(double x, double y) const { return {frame_.Lon(x), frame_.Lat(y)}; }

void MapPresenter::PlaceMarker(const GeoPoint& p) {
  marker_ = p;
  view_.ShowMarker(p);
  view_.SetStatus(PositionText(p.lon, p.lat, decimal_));
  view_.SetControlsEnabled(true, opening_.kind != 0);
  UpdateMenu();
}

void MapPresenter::MouseDown(double x, double y) {
  if (drawing_) return;
  const GeoPoint p = At(x, y);
  switch (mode_) {
    case MouseMode::Marker:
      PlaceMarker(p);
      return;
    case MouseMode::FromMarker:
      if (!marker_) {
        host_.Beep();
        return;
      }
      view_.SetStatus(DistanceText(marker_->lon, marker_->lat, p.lon, p.lat));
      return;
    default:
      dragStart_ = PixelPoint{x, y};
  }
}

void MapPresenter::MouseMove(double x, double y, bool leftDown) {
  if (drawing_) return;
  if (!leftDown || !dragStart_) {
    Hover(x, y);
    return;
  }
  const PixelPoint s = *dragStart_;
  if (mode_ == MouseMode::Detail) {
    view_.SetRubberBand(std::vector<PixelPoint>{{s.x, s.y}, {x, s.y}, {x, y}, {s.x, y}, {s.x, s.y}});
    return;
  }
  view_.SetRubberBand(std::vector<PixelPoint>{{s.x, s.y}, {x, y}});
  if (mode_ == MouseMode::TwoPoints) {
    const GeoPoint a = At(s.x, s.y), b = At(x, y);
    view_.SetStatus(DistanceText(a.lon, a.lat, b.lon, b.lat));
  }
}

void MapPresenter::Hover(double x, double y) {
  const GeoPoint p = At(x, y);
  std::string text = PositionText(p.lon, p.lat, decimal_);
  if (lookups_.country && opening_.worldMapUsable) text += "   " + CountryText(lookups_.country, p.lon, p.lat, size_, opening_.language);
  if (size_ < kFirstTerritorySize && lookups_.height) {
    const std::string height = HeightText(lookups_.height(p.lon, p.lat), opening_.language);
    if (!height.empty()) text += "  " + height;
  }
  view_.SetStatus(text);
}

void MapPresenter::MouseUp(double x, double y) {
  if (drawing_ || !dragStart_) return;
  const PixelPoint s = *dragStart_;
  dragStart_.reset();
  view_.SetRubberBand(std::nullopt);
  const GeoPoint a = At(s.x, s.y), b = At(x, y);
  if (mode_ == MouseMode::Move) {
    if (s.x == x && s.y == y) return;
    centre_ = {centre_.lon + a.lon - b.lon, std::clamp(centre_.lat + a.lat - b.lat, -85.0, 85.0)};
    Redraw();
    return;
  }
  if (mode_ != MouseMode::Detail) return;
  if (std::abs(x - s.x) < kMinDetailPx || std::abs(y - s.y) < kMinDetailPx) return;
  centre_ = {(a.lon + b.lon) / 2, (a.lat + b.lat) / 2};
  const double heightDeg = std::abs(a.lat - b.lat), widthDeg = std::abs(a.lon - b.lon);
  int z = 0;
  while (z < kLastMapSize) {
    const MapBounds m = ComputeMapBounds(centre_.lon, centre_.lat, z, frame_.widthPx, frame_.heightPx);
    if (m.heightDeg >= heightDeg && m.widthDeg >= widthDeg) break;
    ++z;
  }
  previousSize_ = size_;
  size_ = z;
  view_.SetSizeSelection(size_);
  Redraw();
}

void MapPresenter::Resized() {
  if (!drawing_) Redraw();
}

void MapPresenter::Transfer() {
  if (drawing_ || opening_.kind == 0 || !marker_) return;
  result_ = quorla::FormatGeoText(marker_->lon, marker_->lat, false);
  view_.Close(1);
}

void MapPresenter::CloseWindow() { view_.Close(0); }

}  // namespace terrainmap
