// The build's converter of the public town list into the demo's town files:
// town_convert CITIES_FILE WEST,SOUTH,EAST,NORTH OUT_DIR.
#include <cstdio>
#include <iostream>

#include "towns/demo_towns.h"

int main(int argc, char** argv) {
  terrainmap::MapArea area{};
  char end = 0;
  if (argc != 4 || std::sscanf(argv[2], "%lf,%lf,%lf,%lf%c", &area.west, &area.south, &area.east, &area.north, &end) != 4 ||
      area.west >= area.east || area.south >= area.north) {
    std::cerr << "usage: town_convert CITIES_FILE WEST,SOUTH,EAST,NORTH OUT_DIR\n";
    return 2;
  }
  std::vector<terrainmap::City> cities;
  if (!terrainmap::ReadCityList(argv[1], cities)) {
    std::cerr << "town_convert: " << argv[1] << ": not a readable town list\n";
    return 2;
  }
  const auto towns = terrainmap::TownsInArea(cities, area);
  if (!terrainmap::WriteDemoTowns(towns, argv[3], std::cerr)) return 1;
  std::cout << towns.size() << " towns of " << cities.size() << " written to " << argv[3] << "\n";
  return 0;
}
