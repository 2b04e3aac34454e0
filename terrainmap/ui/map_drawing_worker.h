#pragma once
// The map window's drawing thread: one drawing at a time. Start and Stop never wait: a drawing
// that is let go is told to stop (it ends at its next column or overlay step) and is cut off from
// the window at once, so no result or status text of it reaches the window, even one already on
// its way. Each thread waits for its predecessor before it draws (the bulk height lookup belongs
// to one drawing thread), and the destructor waits for the last one, so no thread outlives the
// worker. Results reach the window thread as events queued for an object of the worker's own.
#include <QImage>
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
  // Made on the window thread, where status and finished are called.
  MapDrawingWorker(std::function<void(const std::string&)> status, std::function<void(DrawingResult)> finished);
  ~MapDrawingWorker();
  MapDrawingWorker(const MapDrawingWorker&) = delete;
  MapDrawingWorker& operator=(const MapDrawingWorker&) = delete;

  // atlas may be null; it and the request's directories are used by the drawing thread until it
  // has ended, which only the destructor waits for.
  void Start(const MapRequest& request, int widthPx, int heightPx, quorla::geoatlas::WorldAtlas* atlas);
  // Lets the current drawing go (after its end, or to stop it).
  void Stop();

 private:
  class CallTarget;
  struct Link;

  std::unique_ptr<CallTarget> target_;
  std::function<void(const std::string&)> status_;
  std::function<void(DrawingResult)> finished_;
  std::shared_ptr<Link> link_;  // of the current drawing
  std::thread thread_;          // the newest drawing thread
};

}  // namespace terrainmap::ui
