#pragma once
// Where a dialog of the library opens, from the x and y of its parameter block. Each axis on its
// own:
//   x, y >= 0  that many pixels from the owner's left / top edge (from the screen's without owner)
//   -1         centred on the owner (on the screen without owner); also any other negative value
//   -2         flush with the owner's left / top edge
//   -3         flush with the owner's right / bottom edge
// The dialog is then moved, if need be, so that it lies wholly on the screen. Without an owner the
// block's x and y are ignored and the dialog is centred on the screen (-1, -1).
#include <optional>

namespace terrainmap {

struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
};
struct PixelPoint {
  int x = 0, y = 0;
  bool operator==(const PixelPoint&) const = default;
};

// The top-left corner of a dialog of the given size.
PixelPoint PlaceDialog(const std::optional<PixelRect>& owner, const PixelRect& screen, int width, int height,
                       int x, int y);

}  // namespace terrainmap
