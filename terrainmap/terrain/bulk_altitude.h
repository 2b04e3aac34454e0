#pragma once
// The bulk terrain lookup of the map drawing, with a block cache.
//
// A map is read column by column, so the cache holds up to 82 blocks of the current 5' column
// strip (82 x 5' is more than 6.8 degrees of latitude); a new strip starts the cache again. Each
// tile file is opened once per strip and a cached block is never read again. For the current
// longitude column it remembers per latitude degree which tile file serves it or that it is missing.
// Used only by the drawing thread; it shares no state with PointAltitude.
namespace terrainmap {

// Height in metres at (lon, lat), the same result as quorla::PointAltitude; lon below -900 frees
// the cache, closes the file and clears the state. Returns -9999 for no data.
float BulkAltitude(double lon, double lat);

}  // namespace terrainmap
