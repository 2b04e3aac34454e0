#include "ui/map_drawing_worker.h"

#include <QMetaObject>

#include "terrain/bulk_altitude.h"
#include "ui/qt_drawing_surface.h"

namespace terrainmap::ui {

MapDrawingWorker::MapDrawingWorker(QObject* receiver, std::function<void(const std::string&)> status,
                                   std::function<void(DrawingResult)> finished)
    : receiver_(receiver), status_(std::move(status)), finished_(std::move(finished)) {}

MapDrawingWorker::~MapDrawingWorker() { Stop(); }

void MapDrawingWorker::Stop() {
  ++generation_;
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  stop_ = false;
}

void MapDrawingWorker::Post(std::function<void()> call, unsigned generation) {
  // The receiver outlives the thread (the destructor joins it); a queued call of a drawing that
  // was stopped meanwhile is dropped when it arrives.
  QMetaObject::invokeMethod(
      receiver_, [this, call = std::move(call), generation] {
        if (generation == generation_) call();
      },
      Qt::QueuedConnection);
}

void MapDrawingWorker::Start(const MapRequest& request, int widthPx, int heightPx,
                             quorla::geoatlas::WorldAtlas* atlas) {
  Stop();
  const unsigned generation = generation_;
  // Made here: the first surface of a process sets up the fonts, which the thread could not be
  // stopped in.
  auto surface = std::make_shared<quorla::ui::QtDrawingSurface>(std::max(1, widthPx), std::max(1, heightPx));
  thread_ = std::thread([this, request, surface, atlas, generation] {
    DrawingResult result;
    DrawHooks hooks;
    hooks.stop = &stop_;
    hooks.atlas = atlas;
    hooks.status = [&](std::string_view text) {
      Post([this, t = std::string(text)] { status_(t); }, generation);
    };
    hooks.beforeMarks = [&] { result.unmarked = surface->Snapshot(); };
    HeightGrid grid;
    result.completed = DrawMap(*surface, request, hooks, grid).completed;
    result.map = surface->image();
    Post([this, result = std::move(result)]() mutable { finished_(std::move(result)); }, generation);
  });
}

}  // namespace terrainmap::ui
