#pragma once
// The map window's drawing thread: one at a time. Start stops a drawing that runs (it ends at its
// next column or overlay step, a few milliseconds at most) and begins the new one; Stop and the
// destructor do the same without a new one, so closing never waits for a drawing to finish and
// the thread never outlives the window. Results reach the window thread as queued calls on the
// receiver; those of a stopped drawing are dropped.
#include <QImage>
#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "drawing_surface.h"
#include "windows/map_drawing.h"

namespace terrainmap::ui {

struct DrawingResult {
  QImage map;                // the whole picture
  quorla::Picture unmarked;  // the picture before the marker, circle and legend
  bool completed = false;
};

class MapDrawingWorker {
 public:
  MapDrawingWorker(QObject* receiver, std::function<void(const std::string&)> status,
                   std::function<void(DrawingResult)> finished);
  ~MapDrawingWorker();
  MapDrawingWorker(const MapDrawingWorker&) = delete;
  MapDrawingWorker& operator=(const MapDrawingWorker&) = delete;

  // atlas may be null; it and the request's directories are used by the drawing thread only
  // while it runs.
  void Start(const MapRequest& request, int widthPx, int heightPx, quorla::geoatlas::WorldAtlas* atlas);
  void Stop();
  bool running() const { return thread_.joinable(); }

 private:
  void Post(std::function<void()> call, unsigned generation);

  QObject* receiver_;
  std::function<void(const std::string&)> status_;
  std::function<void(DrawingResult)> finished_;
  std::thread thread_;
  std::atomic<bool> stop_{false};
  std::atomic<unsigned> generation_{0};
};

}  // namespace terrainmap::ui
