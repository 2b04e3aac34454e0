#include "dialogs/dialog_placement.h"

#include <algorithm>

namespace terrainmap {
namespace {

// One axis: the owner's start and length, the dialog's length, the placement code.
int PlaceAxis(int start, int length, int size, int code) {
  if (code >= 0) return start + code;
  if (code == -2) return start;
  if (code == -3) return start + length - size;
  return start + (length - size) / 2;
}

// Keeps [at, at + size) on the screen; a dialog larger than the screen starts at its edge.
int KeepOnScreen(int at, int size, int screenStart, int screenLength) {
  return std::max(screenStart, std::min(at, screenStart + screenLength - size));
}

}  // namespace

PixelPoint PlaceDialog(const std::optional<PixelRect>& owner, const PixelRect& screen, int width, int height,
                       int x, int y) {
  const PixelRect& base = owner ? *owner : screen;
  if (!owner) x = y = -1;
  return {KeepOnScreen(PlaceAxis(base.x, base.width, width, x), width, screen.x, screen.width),
          KeepOnScreen(PlaceAxis(base.y, base.height, height, y), height, screen.y, screen.height)};
}

}  // namespace terrainmap
