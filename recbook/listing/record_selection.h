#pragma once
// Choosing records by country, frequency band, status of co-ordination and class of station: the
// tagging of the editor for batch jobs (a national register split per neighbour or per band).
// Every criterion given must hold; within one criterion any of its values will do.
#include <optional>
#include <string>
#include <vector>

#include "records/station_record.h"

namespace recbook {

struct RecordFilter {
  std::vector<std::string> countries;  // [4B] codes, fixed to 3 characters; empty: any country
  std::optional<double> bandLowMHz, bandHighMHz;  // [1A] or [1Y] within LO to HI, both inclusive
  std::string statuses;                           // [13Y] letters; empty: any status
  char stationClass = 0;                          // first letter of [6A]: 'F' or 'M'; 0: any class
};

bool Matches(const RecordFilter& filter, const StationRecord& record);

}  // namespace recbook
