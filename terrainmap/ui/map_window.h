#pragma once
// The map viewer's window: the toolbar with the map size list and the mouse modes, Options,
// Transfer and Close, the map area and the status bar. It implements the presenter's view and
// runs the drawing thread.
#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "entry/geo_box_properties.h"
#include "host.h"
#include "ui/map_area.h"
#include "ui/map_drawing_worker.h"
#include "windows/map_images.h"
#include "windows/map_presenter.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class QToolButton;

namespace terrainmap::ui {

// The other dialogs the window opens, each the library's own entry point, and the library's world
// map setup, run again when the directories change.
struct MapWindowDialogs {
  std::function<std::optional<GeoPoint>(const GeoPoint& start)> otherSystem;
  std::function<std::optional<MapDirectories>()> directories;
  std::function<void()> entryBoxProperties;
  std::function<bool(const std::string& terrainDir)> setUpWorldMap;
};

class MapWindow : public QDialog, public MapView {
 public:
  MapWindow(QWidget* owner, quorla::Host& host, const MapOpening& opening, quorla::geoatlas::WorldAtlas* atlas,
            GeoBoxProperties boxProperties, MapWindowDialogs dialogs);
  ~MapWindow() override;

  // Shows the window, starts the first drawing and runs it modally: 1 after Transfer, else 0.
  int Run();
  MapPresenter& presenter() { return presenter_; }
  MapArea& area() { return *area_; }

  // MapView
  void SetTitle(std::string_view title) override;
  void SetStatus(std::string_view text) override;
  void SetSizeSelection(int sizeIndex) override;
  void SetMenuItem(MapCommand item, bool enabled, bool checked) override;
  void SetControlsEnabled(bool enabled, bool transferEnabled) override;
  void SetMouseMode(MouseMode mode) override;
  int MapWidth() const override;
  int MapHeight() const override;
  void StartDrawing(const MapRequest& request) override;
  void ShowMarker(const GeoPoint& marker) override;
  void SetRubberBand(std::optional<std::vector<PixelPoint>> outline) override;
  void CopyToClipboard(bool withMarker) override;
  void Minimize() override;
  void Maximize() override;
  std::optional<GeoPoint> AskMarkerWgs84(const GeoPoint& start) override;
  std::optional<GeoPoint> AskMarkerOtherSystem(const GeoPoint& start) override;
  std::optional<MapDirectories> AskDirectories() override;
  void AskEntryBoxProperties() override;
  void Close(int result) override;

 protected:
  void reject() override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildMenu();
  void DrawingDone(DrawingResult result);

  quorla::Host& host_;
  quorla::Language language_;
  quorla::geoatlas::WorldAtlas* atlas_;
  GeoBoxProperties boxProperties_;
  MapWindowDialogs dialogs_;
  MapArea* area_ = nullptr;
  QComboBox* sizes_ = nullptr;
  std::array<QToolButton*, 5> modes_{};
  QPushButton* options_ = nullptr;
  QPushButton* transfer_ = nullptr;
  QPushButton* close_ = nullptr;
  QLabel* status_ = nullptr;
  QMenu* menu_ = nullptr;
  std::array<QAction*, kMapCommandCount> actions_{};
  QTimer* resizeTimer_ = nullptr;
  MapPresenter presenter_;
  MapImages images_;
  MapRequest lastRequest_;
  quorla::Picture unmarked_;
  bool drawing_ = false;
  MapDrawingWorker worker_;  // last: it stops and joins its thread before the rest goes
};

}  // namespace terrainmap::ui
