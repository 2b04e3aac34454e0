#pragma once
// Building records from entered values (the record and header forms, and every command that
// rewrites items), concatenating the items in column order with their encodings.
#include <cstdint>
#include <string>

#include "station_record.h"

namespace recbook {

// The texts as the user entered them; dates as "DD-MM-YYYY", co-ordinates as shown with blanks
// ("015 E 20 30", "50 N 05 30").
struct StationValues {
  std::string txFrequency;  // [1A]
  std::string frequencyCategory, stationClass, natureOfService, categoryOfUse, channelOccupation;
  std::string dateInUse;  // [2C]
  std::string name, country;
  std::string longitude, latitude;  // [4C]
  std::string radius;               // [4D]
  std::string altitude;             // [4Z]
  std::string emission;             // [7A]
  std::string power;                // [8B1]
  std::string referenceAntenna;     // [8B2]
  std::string azimuth, elevation;   // [9A], [9B]
  std::string polarisation;         // [9D]
  std::string gain;                 // [9G]
  std::string antennaHeight;        // [9Y]
  std::string patternH, patternV;   // [9XH], [9XV]
  std::string rxFrequency;          // [1Y]
  std::string remarks, status;      // [13Z], [13Y]
  std::string requestDate, finalDate;  // [2W], [2Z]
  std::string reference;               // [13X]
};

StationRecord BuildStationRecord(const StationValues& v);

struct HeaderValues {
  std::string fileNumber, description, contentsCode, country, person, phone, telefax, telex;
  std::string recordCount;
  std::string writingDate;  // "DD-MM-YYYY"
};

// The first 200 characters of the header; the filler is added when a file is written.
std::string BuildHeaderText(const HeaderValues& v);

// The header's record count (six digits) for a file of that many station records. A larger file
// says 999999 rather than "******": opening checks that the field holds digits or blanks, and a
// true file's records are counted from its size.
std::string HeaderCountItem(uint64_t records);

}  // namespace recbook
