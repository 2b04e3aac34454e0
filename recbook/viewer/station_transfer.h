#pragma once
// The 102-byte station data area the file viewer hands to a calculation program (modes 11 and
// 12): texts are the items' characters without terminator, numbers little-endian, reals 4 bytes
// unless stated.
#include <cstddef>
#include <cstdint>

#include "records/station_record.h"

namespace recbook {

#pragma pack(push, 1)
struct StationTransfer {
  double frequencyMHz;  // [1A] for Tx, [1Y] for Rx; 0 when not filled in
  char category[1];     // [1Z], Tx only
  char occupation[1];   // [10Z], Tx only
  char name[20];        // [4A]
  char country[3];      // [4B]
  char longitude[8];    // [4C] characters 1 to 8
  char latitude[7];     // [4C] characters 9 to 15
  int32_t radiusKm;     // [4D], rounded
  char altitude[4];     // [4Z]
  char emission[9];     // [7A]
  float powerDbw;       // [8B1], Tx only
  float gainDb;         // [9G], Rx only
  char referenceAntenna[1];  // [8B2]
  float azimuth;        // [9A]
  float elevation;      // [9B]
  char polarisation[2]; // [9D]
  float heightM;        // [9Y]
  char patternH[7];     // [9XH]
  char patternV[7];     // [9XV]
};
#pragma pack(pop)

static_assert(sizeof(StationTransfer) == 102);
static_assert(offsetof(StationTransfer, frequencyMHz) == 0);
static_assert(offsetof(StationTransfer, category) == 8);
static_assert(offsetof(StationTransfer, occupation) == 9);
static_assert(offsetof(StationTransfer, name) == 10);
static_assert(offsetof(StationTransfer, country) == 30);
static_assert(offsetof(StationTransfer, longitude) == 33);
static_assert(offsetof(StationTransfer, latitude) == 41);
static_assert(offsetof(StationTransfer, radiusKm) == 48);
static_assert(offsetof(StationTransfer, altitude) == 52);
static_assert(offsetof(StationTransfer, emission) == 56);
static_assert(offsetof(StationTransfer, powerDbw) == 65);
static_assert(offsetof(StationTransfer, gainDb) == 69);
static_assert(offsetof(StationTransfer, referenceAntenna) == 73);
static_assert(offsetof(StationTransfer, azimuth) == 74);
static_assert(offsetof(StationTransfer, elevation) == 78);
static_assert(offsetof(StationTransfer, polarisation) == 82);
static_assert(offsetof(StationTransfer, heightM) == 84);
static_assert(offsetof(StationTransfer, patternH) == 88);
static_assert(offsetof(StationTransfer, patternV) == 95);

enum class TransferSide { Tx, Rx };

// Writes the fields of a Tx or an Rx transfer into area (102 bytes); the fields the other side
// writes keep their contents.
void WriteStationTransfer(const StationRecord& record, TransferSide side, void* area);

}  // namespace recbook
