#include "ui/map_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <numbers>

#include "point_altitude.h"
#include "ui/marker_input_dialog.h"
#include "ui/qt_drawing_surface.h"
#include "ui/qt_text.h"
#include "windows/map_window_texts.h"
#include "world_atlas.h"

namespace terrainmap::ui {
namespace {

using quorla::BiText;
using quorla::ui::Q;

constexpr BiText kOptions{"Options", "Možnosti"}, kTransfer{"Transfer", "Přenos"}, kClose{"Close", "Zavřít"};
constexpr BiText kModeButtons[] = {{"Marker", "Značka"}, {"Move", "Posun"}, {"Detail", "Detail"},
                                   {"D 2 points", "D 2 body"}, {"D marker", "D značka"}};
constexpr MapCommand kModeCommands[] = {MapCommand::ModeMarker, MapCommand::ModeMove, MapCommand::ModeDetail,
                                        MapCommand::ModeTwoPoints, MapCommand::ModeFromMarker};
// The menu's groups end after these items.
// The items that carry a check mark when chosen (the others are plain commands).
constexpr MapCommand kMarkedItems[] = {
    MapCommand::ModeMarker,      MapCommand::ModeMove,      MapCommand::ModeDetail,    MapCommand::ModeTwoPoints,
    MapCommand::ModeFromMarker,  MapCommand::WorldAboveSize9, MapCommand::WorldAlways, MapCommand::RoadsAndTowns,
    MapCommand::NoRoadsAndTowns, MapCommand::FormatDms,     MapCommand::FormatDecimal};
constexpr MapCommand kGroupEnds[] = {MapCommand::Description, MapCommand::MarkerOtherSystems,
                                     MapCommand::ClipboardWithoutMarker, MapCommand::ModeFromMarker,
                                     MapCommand::NoRoadsAndTowns, MapCommand::FormatDecimal};

quorla::Picture ImagePicture(const QImage& image) {
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  quorla::Picture p{argb.width(), argb.height(), {}};
  p.pixels.reserve(static_cast<size_t>(argb.width()) * argb.height());
  for (int y = 0; y < argb.height(); ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(argb.constScanLine(y));
    p.pixels.insert(p.pixels.end(), row, row + argb.width());
  }
  return p;
}

MapLookups Lookups(quorla::geoatlas::WorldAtlas* atlas, std::function<bool(const std::string&)> setUpWorldMap) {
  MapLookups l;
  l.height = [](double lon, double lat) { return quorla::PointAltitude(lon, lat); };
  l.setUpWorldMap = std::move(setUpWorldMap);
  if (atlas) {
    l.country = [atlas](double lon, double lat) {
      char code[3];
      atlas->Geoplc(static_cast<float>(lon * std::numbers::pi / 180), static_cast<float>(lat * std::numbers::pi / 180),
                    code);
      return std::string(code, 3);
    };
  }
  return l;
}

}  // namespace

MapWindow::MapWindow(QWidget* owner, quorla::Host& host, const MapOpening& opening,
                     quorla::geoatlas::WorldAtlas* atlas, GeoBoxProperties boxProperties, MapWindowDialogs dialogs)
    : QDialog(owner),
      host_(host),
      language_(opening.language),
      atlas_(atlas),
      boxProperties_(boxProperties),
      dialogs_(std::move(dialogs)),
      presenter_(*this, host, opening, Lookups(atlas, dialogs_.setUpWorldMap)),
      worker_(
          [this](const std::string& text) { SetStatus(text); },
          [this](DrawingResult r) { DrawingDone(std::move(r)); }) {
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
  auto* top = new QHBoxLayout;
  sizes_ = new QComboBox;
  for (int i = kFirstMapSize; i <= kLastMapSize; ++i) sizes_->addItem(Q(MapSizeAt(i).label));
  connect(sizes_, &QComboBox::activated, this, [this](int row) { presenter_.SelectSize(row + kFirstMapSize); });
  top->addWidget(sizes_);
  for (int i = 0; i < 5; ++i) {
    modes_[i] = new QToolButton;
    modes_[i]->setText(Q(kModeButtons[i](language_)));
    modes_[i]->setToolTip(Q(map_texts::kMenuItems[static_cast<int>(kModeCommands[i])](language_)));
    modes_[i]->setCheckable(true);
    connect(modes_[i], &QToolButton::clicked, this, [this, i] {
      presenter_.Command(kModeCommands[i]);
      SetMouseMode(presenter_.mouseMode());  // a refused mode leaves its button unchecked
    });
    top->addWidget(modes_[i]);
  }
  top->addStretch();
  options_ = new QPushButton(Q(kOptions(language_)));
  transfer_ = new QPushButton(Q(kTransfer(language_)));
  close_ = new QPushButton(Q(kClose(language_)));
  transfer_->setEnabled(false);
  for (QPushButton* b : {options_, transfer_, close_}) {
    b->setAutoDefault(false);
    top->addWidget(b);
  }
  connect(options_, &QPushButton::clicked, this,
          [this] { menu_->exec(options_->mapToGlobal(QPoint(0, options_->height()))); });
  connect(transfer_, &QPushButton::clicked, this, [this] { presenter_.Transfer(); });
  connect(close_, &QPushButton::clicked, this, [this] { presenter_.CloseWindow(); });

  area_ = new MapArea;
  area_->onPress = [this](double x, double y) { presenter_.MouseDown(x, y); };
  area_->onMove = [this](double x, double y, bool left) { presenter_.MouseMove(x, y, left); };
  area_->onRelease = [this](double x, double y) { presenter_.MouseUp(x, y); };
  area_->onRightClick = [this](QPoint at) {
    if (!drawing_) menu_->exec(at);
  };
  status_ = new QLabel;
  status_->setFrameShape(QFrame::StyledPanel);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addLayout(top);
  layout->addWidget(area_, 1);
  layout->addWidget(status_);
  BuildMenu();

  resizeTimer_ = new QTimer(this);
  resizeTimer_->setSingleShot(true);
  connect(resizeTimer_, &QTimer::timeout, this, [this] { presenter_.Resized(); });

  // From the screen: a map area of aspect 1.4 filling most of the available height.
  const QScreen* screen = owner ? owner->screen() : QApplication::primaryScreen();
  const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 900);
  const int mapH = std::max(200, avail.height() * 3 / 4 - 80);
  resize(std::min(avail.width() - 40, static_cast<int>(mapH * 1.4) + 8), mapH + 80);
}

MapWindow::~MapWindow() { worker_.Stop(); }

void MapWindow::BuildMenu() {
  menu_ = new QMenu(this);
  for (int i = 0; i < kMapCommandCount; ++i) {
    const auto c = static_cast<MapCommand>(i);
    actions_[i] = menu_->addAction(Q(map_texts::kMenuItems[i](language_)), this, [this, c] { presenter_.Command(c); });
    actions_[i]->setCheckable(std::find(std::begin(kMarkedItems), std::end(kMarkedItems), c) != std::end(kMarkedItems));
    if (std::find(std::begin(kGroupEnds), std::end(kGroupEnds), c) != std::end(kGroupEnds)) menu_->addSeparator();
  }
}

int MapWindow::Run() {
  show();
  QApplication::processEvents();
  presenter_.Open();
  return exec();
}

void MapWindow::SetTitle(std::string_view title) { setWindowTitle(Q(title)); }
void MapWindow::SetStatus(std::string_view text) { status_->setText(Q(text)); }
void MapWindow::SetSizeSelection(int sizeIndex) { sizes_->setCurrentIndex(sizeIndex - kFirstMapSize); }

void MapWindow::SetMenuItem(MapCommand item, bool enabled, bool checked) {
  QAction* a = actions_[static_cast<int>(item)];
  a->setEnabled(enabled);
  a->setChecked(checked);
}

void MapWindow::SetControlsEnabled(bool enabled, bool transferEnabled) {
  drawing_ = !enabled;
  sizes_->setEnabled(enabled);
  for (QToolButton* b : modes_) b->setEnabled(enabled);
  options_->setEnabled(enabled);
  transfer_->setEnabled(enabled && transferEnabled);
  if (!enabled) {
    area_->setCursor(Qt::WaitCursor);
    // Resizeable only when no drawing runs. Not for a maximized window: a window manager takes a
    // fixed size as the end of maximized, and the window would keep the screen's size off its place.
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) setFixedSize(size());
  } else {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  }
}

void MapWindow::SetMouseMode(MouseMode mode) {
  for (int i = 0; i < 5; ++i) modes_[i]->setChecked(i == static_cast<int>(mode));
  if (drawing_) return;
  area_->setCursor(mode == MouseMode::Move ? Qt::OpenHandCursor : Qt::CrossCursor);
}

int MapWindow::MapWidth() const { return area_->width(); }
int MapWindow::MapHeight() const { return area_->height(); }

void MapWindow::StartDrawing(const MapRequest& request) {
  lastRequest_ = request;
  worker_.Start(request, area_->width(), area_->height(), presenter_.worldMapUsable() ? atlas_ : nullptr);
}

void MapWindow::DrawingDone(DrawingResult result) {
  worker_.Stop();  // the drawing has ended; its thread is joined by the next one or on closing
  area_->SetPicture(result.map);
  if (result.completed) {
    unmarked_ = std::move(result.unmarked);
    const QImage image = quorla::ui::PictureImage(unmarked_);
    images_.Save([&](const std::string& path) { return image.save(QString::fromStdString(path), "BMP"); });
  }
  presenter_.DrawingFinished(result.completed);
  // The window changed its size during the drawing (maximized, or by the window manager).
  if (!area_->size().isEmpty() && area_->picture().size() != area_->size()) resizeTimer_->start(250);
}

void MapWindow::ShowMarker(const GeoPoint& marker) {
  if (unmarked_.pixels.empty()) return;
  quorla::ui::QtDrawingSurface s(unmarked_.width, unmarked_.height);
  s.RestoreArea({0, 0, unmarked_});
  lastRequest_.marker = marker;
  DrawMarks(s, lastRequest_);
  area_->SetPicture(s.image());
}

void MapWindow::SetRubberBand(std::optional<std::vector<PixelPoint>> outline) { area_->SetRubberBand(std::move(outline)); }

void MapWindow::CopyToClipboard(bool withMarker) {
  const QImage saved = withMarker ? QImage() : QImage(QString::fromStdString(images_.Latest()));
  host_.SetClipboardPicture(ImagePicture(withMarker || saved.isNull() ? area_->picture() : saved));
}

void MapWindow::Minimize() { showMinimized(); }
void MapWindow::Maximize() { showMaximized(); }

std::optional<GeoPoint> MapWindow::AskMarkerWgs84(const GeoPoint& start) {
  return MarkerInputDialog(this, host_, language_, presenter_.caption(), boxProperties_, start).Run();
}

std::optional<GeoPoint> MapWindow::AskMarkerOtherSystem(const GeoPoint& start) {
  return dialogs_.otherSystem ? dialogs_.otherSystem(start) : std::nullopt;
}

std::optional<MapDirectories> MapWindow::AskDirectories() {
  return dialogs_.directories ? dialogs_.directories() : std::nullopt;
}

void MapWindow::AskEntryBoxProperties() {
  if (dialogs_.entryBoxProperties) dialogs_.entryBoxProperties();
}

void MapWindow::Close(int result) {
  hide();          // gone at once
  worker_.Stop();  // the drawing is told to stop and cut off from the window; nothing waits here
  done(result);
}

void MapWindow::reject() { presenter_.CloseWindow(); }

void MapWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  if (!drawing_ && isVisible() && !area_->picture().isNull() && area_->picture().size() != area_->size())
    resizeTimer_->start(250);
}

}  // namespace terrainmap::ui
