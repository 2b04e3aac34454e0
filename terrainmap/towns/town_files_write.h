#pragma once
// Writing the town files the viewer reads: ".bdt" name records and ".bd" line records, with the
// positions in the files' 16-bit values (1/5000 degree from 11E and 46N).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "overlays/border_lines.h"

namespace terrainmap {

// The nearest value of a longitude / latitude; none outside what 16 bits hold (and none for the
// value 0 of a longitude, which ends a ".bdt" file).
std::optional<uint16_t> RoadLongitudeValue(double lon);
std::optional<uint16_t> RoadLatitudeValue(double lat);

// One 14-byte name record; the name is cut to 10 bytes and padded with zero bytes.
void AppendTownRecord(std::string& bytes, uint16_t lon, uint16_t lat, std::string_view name);
// The record that ends a ".bdt" file.
void AppendTownEnd(std::string& bytes);

// One line record with its box; false (nothing appended) when a point lies outside the values'
// range or the line has more points than 16 bits count.
bool AppendLineRecord(std::string& bytes, const Polyline& line);
// The header of point count 0 that ends a ".bd" file.
void AppendLineEnd(std::string& bytes);

}  // namespace terrainmap
