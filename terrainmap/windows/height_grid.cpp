#include "windows/height_grid.h"

#include "terrain/bulk_altitude.h"
#include "terrain_tile.h"

namespace terrainmap {

bool ReadHeightGrid(const MapFrame& frame, int columns, int rows, HeightGrid& grid, const ColumnProgress& progress,
                    const std::atomic<bool>* stop) {
  grid = HeightGrid{};
  if (columns <= 0 || rows <= 0) return true;
  grid.columns = columns;
  grid.rows = rows;
  grid.heights.assign(static_cast<size_t>(columns) * rows, quorla::kNoHeight);
  const MapBounds& b = frame.bounds;
  for (int i = 0; i < columns; ++i) {
    const double lon = b.west + (i + 0.5) * b.widthDeg / columns;
    for (int j = 0; j < rows; ++j) {
      // A stop is looked at within long columns too, so that Close never waits for a column.
      if (j % 128 == 127 && stop && stop->load(std::memory_order_relaxed)) return false;
      const double lat = b.south + (rows - 1 - j + 0.5) * b.heightDeg / rows;
      const float h = BulkAltitude(lon, lat);
      grid.heights[static_cast<size_t>(j) * columns + i] = h;
      if (h == quorla::kNoHeight) continue;
      if (h < grid.minimum) grid.minimum = h;
      if (h > grid.maximum) grid.maximum = h;
    }
    if (progress) progress(i + 1);
    if (stop && stop->load(std::memory_order_relaxed)) return false;
  }
  return true;
}

}  // namespace terrainmap
