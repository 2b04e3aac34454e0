#pragma once
// The map window's state and commands: opening, titles, the map size, the mouse modes and their
// readouts, the Options menu with its marks, the drawing's start and end, Transfer and Close.
#include <functional>
#include <optional>
#include <string>

#include "host.h"
#include "windows/map_readouts.h"
#include "windows/map_view.h"

namespace terrainmap {

struct MapOpening {
  quorla::Language language = quorla::Language::English;
  std::string caption;
  int kind = 0;        // 0 marker, 1 transmitter, 2 receiver
  std::string coords;  // the station's compact position text
  int radiusKm = 0;    // < 0: the whole-region view
  MapDirectories directories;  // checked; the terrain one is never empty
  bool worldMapUsable = false;
  bool roadsAndTownsAvailable = false;
};

// The lookups of the hover readout (the window thread's own) and the world map setup.
struct MapLookups {
  CountryAt country;  // asked only while the world map database is usable
  std::function<float(double lon, double lat)> height;
  // Runs the world map setup again for a new terrain directory: whether the database is usable.
  std::function<bool(const std::string& terrainDir)> setUpWorldMap;
};

enum class MouseButton { Left, Right };

class MapPresenter {
 public:
  MapPresenter(MapView& view, quorla::Host& host, MapOpening opening, MapLookups lookups);

  // Fills the window and starts the first drawing.
  void Open();
  std::string Title() const;

  void SelectSize(int sizeIndex);
  void Command(MapCommand command);
  // Mouse events on the map area, in its pixels; the right button opens the menu in the window.
  void MouseDown(double x, double y);
  void MouseMove(double x, double y, bool leftDown);
  void MouseUp(double x, double y);
  void Resized();

  // The drawing thread's end (called on the window thread).
  void DrawingFinished(bool completed);

  void Transfer();
  void CloseWindow();

  bool drawing() const { return drawing_; }
  int sizeIndex() const { return size_; }
  const std::optional<GeoPoint>& marker() const { return marker_; }
  bool worldMapUsable() const { return opening_.worldMapUsable; }
  const std::string& caption() const { return opening_.caption; }
  GeoPoint centre() const { return centre_; }
  MouseMode mouseMode() const { return mode_; }
  // The position text Transfer writes back (compact form, longitude "," latitude).
  const std::string& result() const { return result_; }

 private:
  void Redraw();
  void UpdateMenu();
  void SetMode(MouseMode mode);
  GeoPoint At(double x, double y) const;
  void Hover(double x, double y);
  void FinishDrag(double x, double y);
  void PlaceMarker(const GeoPoint& p);

  MapView& view_;
  quorla::Host& host_;
  MapOpening opening_;
  MapLookups lookups_;
  GeoPoint centre_{15, 50};
  int size_ = 9;
  std::optional<int> previousSize_;
  std::optional<GeoPoint> marker_, station_;
  double radiusKm_ = 0;
  MouseMode mode_ = MouseMode::Marker;
  WorldBorders worldBorders_ = WorldBorders::AboveSize9;
  bool roadsAndTowns_ = false;
  bool decimal_ = false;
  bool drawing_ = false;
  MapFrame frame_;  // of the map on screen
  std::optional<PixelPoint> dragStart_;
  std::string result_;
};

}  // namespace terrainmap
