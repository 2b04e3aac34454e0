#pragma once
// The demo's town files, made from the public town list: the towns of an area in order of
// population, the name file "obcejme.bdt" and the six contour files "vobce*.bd". A contour is a
// regular polygon round the town's position whose area is one square kilometre per 2,500
// inhabitants; the finer contour files hold more towns and polygons of more corners.
#include <iosfwd>
#include <string>
#include <vector>

#include "overlays/road_file.h"
#include "towns/city_list.h"

namespace terrainmap {

// The towns inside the area whose positions the town files can hold, sections of a town
// (feature code "PPLX") left out, the most populous first (equal populations by name).
std::vector<City> TownsInArea(const std::vector<City>& cities, const MapArea& area);

// The radius in km of the circle whose area is one km^2 per 2,500 inhabitants.
double ContourRadiusKm(uint64_t population);
// The closed polygon of corners corners round the town (the first corner due north, repeated at
// the end).
Polyline TownContour(const City& town, int corners);

// Writes the name file and the contour files for the towns (in the order given) into dir, which
// is created when missing; false after a message on err when a file cannot be written.
bool WriteDemoTowns(const std::vector<City>& towns, const std::string& dir, std::ostream& err);

}  // namespace terrainmap
