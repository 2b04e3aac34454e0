#pragma once
// The two user properties of the co-ordinate entry boxes, per kind: where the selection starts when
// a box gets the focus, and whether the caret jumps over the hemisphere letter. Stored in the
// registry value "GeoTxtBox" as " 0, 0, 0, 0" (lonStart, lonSkip, latStart, latSkip).
#include <string>
#include <string_view>

#include "geo_text.h"

namespace terrainmap {

struct GeoBoxProperties {
  int lonStart = 0;  // -1, 0, 1: the selection starts at lonStart + 1
  int lonSkip = 0;   // 0: after the third degree digit the caret jumps over " E "; 1: one step
  int latStart = 0;  // 0, 1: the selection starts at latStart
  int latSkip = 0;   // as lonSkip, over " N "
  bool operator==(const GeoBoxProperties&) const = default;
};

// Reads the numbers at characters 1-2, 4-5, 7-8 and 10-11. A missing text, or a number outside its
// range, reads as 0.
GeoBoxProperties ParseGeoBoxProperties(std::string_view text);
// Each number as sign-or-blank and one digit, joined by commas (11 characters).
std::string FormatGeoBoxProperties(const GeoBoxProperties& p);

struct BoxSelection {
  int start = 0, end = 0;
  bool operator==(const BoxSelection&) const = default;
};
// The selection placed in a box when it gets the focus: from the kind's start position to the end
// (13 for longitude, 12 for latitude); from 0 in a box that holds planar co-ordinates.
BoxSelection FocusSelection(quorla::GeoKind kind, const GeoBoxProperties& p, bool planar);

}  // namespace terrainmap
