#pragma once
// The height grid of a map drawing: (nx + 1) x (ny + 1) cells over the map, each read at its
// centre with BulkAltitude, column by column from the west, with the lowest and highest height
// other than -9999.
#include <atomic>
#include <functional>
#include <vector>

#include "windows/map_frame.h"

namespace terrainmap {

struct HeightGrid {
  int columns = 0, rows = 0;  // nx + 1, ny + 1
  std::vector<float> heights;  // row by row from the north, each row from the west
  float minimum = 9000, maximum = -9000;  // untouched when every cell is -9999
  float At(int column, int row) const { return heights[static_cast<size_t>(row) * columns + column]; }
};

// After each column: the number of columns read so far. The reading stops early (and returns
// false) when stop becomes true; it is looked at after each column and every 128 cells.
using ColumnProgress = std::function<void(int columnsDone)>;
bool ReadHeightGrid(const MapFrame& frame, int columns, int rows, HeightGrid& grid, const ColumnProgress& progress,
                    const std::atomic<bool>* stop);

}  // namespace terrainmap
