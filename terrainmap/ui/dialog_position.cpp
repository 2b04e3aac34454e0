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
  // The dialog's frame is not known before it is shown: it is taken to be as wide as the owner's.
  QSize size = dialog.size();
  if (owner) {
    const QWidget* window = owner->window();
    ownerRect = Pixels(window->frameGeometry());
    size += window->frameGeometry().size() - window->geometry().size();
  }
  const PixelPoint at = PlaceDialog(ownerRect, Pixels(screen->availableGeometry()), size.width(), size.height(), x, y);
  dialog.move(at.x, at.y);
}

}  // namespace terrainmap::ui
