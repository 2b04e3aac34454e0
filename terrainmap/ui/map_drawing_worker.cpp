#include "ui/map_drawing_worker.h"

#include <QCoreApplication>
#include <QEvent>
#include <atomic>
#include <mutex>

#include "ui/qt_drawing_surface.h"

#if defined(__SANITIZE_THREAD__)
#define QUORLA_THREAD_CHECKER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define QUORLA_THREAD_CHECKER 1
#endif
#endif
#ifdef QUORLA_THREAD_CHECKER
extern "C" void __tsan_acquire(void* addr);
extern "C" void __tsan_release(void* addr);
#endif

namespace terrainmap::ui {
namespace {

// Qt's event queue delivers an event after its post, but a thread checker cannot see that order
// (Qt is not instrumented); these two tell it, in a checking build only.
char queueOrder;
void Posting() {
#ifdef QUORLA_THREAD_CHECKER
  __tsan_release(&queueOrder);
#endif
}
void Delivered() {
#ifdef QUORLA_THREAD_CHECKER
  __tsan_acquire(&queueOrder);
#endif
}

const QEvent::Type kQueuedCall = static_cast<QEvent::Type>(QEvent::registerEventType());

// A call from the drawing thread for the window thread, made whole before it is posted.
struct QueuedCall : QEvent {
  explicit QueuedCall(std::function<void()> c) : QEvent(kQueuedCall), call(std::move(c)) {}
  std::function<void()> call;
};

}  // namespace

// Runs the queued calls on the window thread.
class MapDrawingWorker::CallTarget : public QObject {
 protected:
  bool event(QEvent* e) override {
    Delivered();
    if (e->type() != kQueuedCall) return QObject::event(e);
    static_cast<QueuedCall*>(e)->call();
    return true;
  }
};

// What one drawing thread shares with the window thread.
struct MapDrawingWorker::Link {
  std::atomic<bool> stop{false};
  std::mutex mutex;             // held while the thread posts, and while the window lets go
  QObject* target = nullptr;    // null once let go; written on the window thread only

  // From the drawing thread: queues call for the window thread unless the drawing was let go.
  static void Post(const std::shared_ptr<Link>& link, std::function<void()> call) {
    const std::lock_guard lock(link->mutex);
    if (!link->target) return;
    auto* event = new QueuedCall([link, call = std::move(call)] {
      if (link->target) call();  // let go while the call was queued: dropped
    });
    Posting();
    QCoreApplication::postEvent(link->target, event);
  }
};

MapDrawingWorker::MapDrawingWorker(std::function<void(const std::string&)> status,
                                   std::function<void(DrawingResult)> finished)
    : target_(std::make_unique<CallTarget>()), status_(std::move(status)), finished_(std::move(finished)) {}

MapDrawingWorker::~MapDrawingWorker() {
  Stop();
  if (thread_.joinable()) thread_.join();
}

void MapDrawingWorker::Stop() {
  if (!link_) return;
  link_->stop = true;
  {
    // After this no call of the drawing is queued; one already queued finds the target gone.
    const std::lock_guard lock(link_->mutex);
    link_->target = nullptr;
  }
  link_.reset();
}

void MapDrawingWorker::Start(const MapRequest& request, int widthPx, int heightPx,
                             quorla::geoatlas::WorldAtlas* atlas) {
  Stop();
  link_ = std::make_shared<Link>();
  link_->target = target_.get();
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
