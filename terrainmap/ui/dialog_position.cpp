#include "ui/dialog_position.h"

#include <QGuiApplication>
#include <QScreen>
#include <optional>

#include "dialogs/dialog_placement.h"

namespace terrainmap::ui {
namespace {
PixelRect Pixels(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
}  // namespace

void PlaceDialogWidget(QWidget& dialog, const QWidget* owner, int x, int y) {
  const QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  std::optional<PixelRect> ownerRect;
  if (owner) ownerRect = Pixels(owner->frameGeometry());
  const QSize size = dialog.frameGeometry().size().expandedTo(dialog.size());
  const PixelPoint at = PlaceDialog(ownerRect, Pixels(screen->availableGeometry()), size.width(), size.height(), x, y);
  dialog.move(at.x, at.y);
}

}  // namespace terrainmap::ui
