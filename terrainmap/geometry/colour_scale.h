#pragma once
// The colours of the terrain-height map: white for no data, blues below sea level, greens through
// yellow to brown above, and grey for the highest cells.
namespace terrainmap {

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};

// h: the cell height; minimum and maximum: of all heights of the map other than -9999;
// sizeIndex: the map size index (-1..18), which stretches the scale on larger maps.
Rgb HeightColour(float h, float minimum, float maximum, int sizeIndex);

}  // namespace terrainmap
