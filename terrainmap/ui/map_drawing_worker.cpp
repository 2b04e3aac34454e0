#include "ui/map_drawing_worker.h"

#include <QMetaObject>
#include <atomic>
#include <mutex>

#include "ui/qt_drawing_surface.h"

namespace terrainmap::ui {

// What one drawing thread shares with the window thread.
struct MapDrawingWorker::Link {
  std::atomic<bool> stop{false};
  std::mutex mutex;              // held while the thread posts, and while the window lets go
  QObject* receiver = nullptr;   // null once let go; written on the window thread only

  // From the drawing thread: queues call for the window thread unless the drawing was let go.
  static void Post(const std::shared_ptr<Link>& link, std::function<void()> call) {
    const std::lock_guard lock(link->mutex);
    if (!link->receiver) return;
    QMetaObject::invokeMethod(
        link->receiver, [link, call = std::move(call)] {
          if (link->receiver) call();  // let go while the call was queued: dropped
        },
        Qt::QueuedConnection);
  }
};

MapDrawingWorker::MapDrawingWorker(QObject* receiver, std::function<void(const std::string&)> status,
                                   std::function<void(DrawingResult)> finished)
    : receiver_(receiver), status_(std::move(status)), finished_(std::move(finished)) {}

MapDrawingWorker::~MapDrawingWorker() {
  Stop();
  if (thread_.joinable()) thread_.join();
}

void MapDrawingWorker::Stop() {
  if (!link_) return;
  link_->stop = true;
  {
    // After this no call of the drawing is queued; one already queued finds the receiver gone.
    const std::lock_guard lock(link_->mutex);
    link_->receiver = nullptr;
  }
  link_.reset();
}

void MapDrawingWorker::Start(const MapRequest& request, int widthPx, int heightPx,
                             quorla::geoatlas::WorldAtlas* atlas) {
  Stop();
  link_ = std::make_shared<Link>();
  link_->receiver = receiver_;
  // Made here: the first surface of a process sets up the fonts, which the thread could not be
  // stopped in.
  auto surface = std::make_shared<quorla::ui::QtDrawingSurface>(std::max(1, widthPx), std::max(1, heightPx));
  thread_ = std::thread([link = link_, previous = std::move(thread_), request, surface, atlas,
                         status = status_, finished = finished_]() mutable {
    if (previous.joinable()) previous.join();  // told to stop already; it ends within a column
    if (link->stop) return;
    DrawingResult result;
    DrawHooks hooks;
    hooks.stop = &link->stop;
    hooks.atlas = atlas;
    hooks.status = [&](std::string_view text) {
      Link::Post(link, [status, t = std::string(text)] { status(t); });
    };
    hooks.beforeMarks = [&] { result.unmarked = surface->Snapshot(); };
    HeightGrid grid;
    result.completed = DrawMap(*surface, request, hooks, grid).completed;
    result.map = surface->image();
    Link::Post(link, [finished, result = std::move(result)]() mutable { finished(std::move(result)); });
  });
}

}  // namespace terrainmap::ui
