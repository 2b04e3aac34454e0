#pragma once
// What the map presenter asks of its window.
#include <optional>
#include <string_view>
#include <vector>

#include "directories/map_directories.h"
#include "windows/map_drawing.h"

namespace terrainmap {

enum class MouseMode { Marker, Move, Detail, TwoPoints, FromMarker };  // 0 to 4

// The items of the Options menu (and the right-button menu), in their order.
enum class MapCommand {
  Description,
  MarkerWgs84, MarkerOtherSystems,
  Minimize, Maximize, Redraw, Clipboard, ClipboardWithoutMarker,
  ModeMarker, ModeMove, ModeDetail, DetailBack, ModeTwoPoints, ModeFromMarker,
  WorldAboveSize9, WorldAlways, RoadsAndTowns, NoRoadsAndTowns,
  FormatDms, FormatDecimal,
  Directories, EntryBoxProperties,
};
inline constexpr int kMapCommandCount = static_cast<int>(MapCommand::EntryBoxProperties) + 1;

struct PixelPoint {
  double x = 0, y = 0;  // pixels of the map area
};

class MapView {
 public:
  virtual ~MapView() = default;

  virtual void SetTitle(std::string_view title) = 0;
  virtual void SetStatus(std::string_view text) = 0;
  virtual void SetSizeSelection(int sizeIndex) = 0;
  virtual void SetMenuItem(MapCommand item, bool enabled, bool checked) = 0;
  // During a drawing every control but Close is disabled; Transfer only when allowed.
  virtual void SetControlsEnabled(bool enabled, bool transferEnabled) = 0;
  virtual void SetMouseMode(MouseMode mode) = 0;  // the toolbar choice and the cursor
  // Pixel size of the map area.
  virtual int MapWidth() const = 0;
  virtual int MapHeight() const = 0;
  // Starts the drawing in the background, stopping one that runs; DrawingFinished follows.
  virtual void StartDrawing(const MapRequest& request) = 0;
  // Puts the marker on the map without a new drawing (from the picture kept without it).
  virtual void ShowMarker(const GeoPoint& marker) = 0;
  // The rubber band over the map in pixels (a line or a rectangle), none to clear it.
  virtual void SetRubberBand(std::optional<std::vector<PixelPoint>> outline) = 0;
  virtual void CopyToClipboard(bool withMarker) = 0;
  virtual void Minimize() = 0;
  virtual void Maximize() = 0;
  // The dialogs the window opens for the presenter; nullopt when cancelled.
  virtual std::optional<GeoPoint> AskMarkerWgs84(const GeoPoint& start) = 0;
  virtual std::optional<GeoPoint> AskMarkerOtherSystem(const GeoPoint& start) = 0;
  virtual std::optional<MapDirectories> AskDirectories() = 0;
  virtual void AskEntryBoxProperties() = 0;
  virtual void Close(int result) = 0;
};

}  // namespace terrainmap
