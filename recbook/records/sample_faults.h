#pragma once
// The faults real registers carry, put into generated sample records so that the record check
// finds something and the automatic correction has something to repair. Each fault breaks one
// item of an otherwise clean record, so the check's first failure is that item.
#include <span>

#include "record_builder.h"

namespace recbook {

enum class StationKind { Fixed, Mobile, WholeCountry };

enum class SampleFault {
  kRadiusMissing,          // fixed station with a site and a blank [4D]: "22,05"
  kLowerCaseRefAntenna,    // [8B2] "e": "26,01"
  kLowerCasePolarisation,  // [9D] "v" or "h": "29,02"
  kBareBandwidth,          // [7A] "11F3E": bandwidth without its unit letter, "24,04"
  kIncompleteAntennaCode,  // [9XH] "30EA10": a leading zero lost, "32,08"
  kFrequencyOutOfBand,     // [1A] 100 MHz, in none of the agreement's bands: "11,012"
  kClassAgainstRadius,     // mobile station with radius 0: "22,05"
  kMobileAntennaHeight,    // mobile antenna 10 m high instead of 3 m: "31,04"
};

struct SampleFaultInfo {
  SampleFault fault;
  bool corrected;  // the automatic correction with every option on makes the record pass
};
std::span<const SampleFaultInfo> SampleFaults();

// Puts fault into v when the station can carry it (a fixed station has no mobile antenna height,
// a receiver no transmit frequency); false, v unchanged, otherwise.
bool ApplySampleFault(SampleFault fault, StationKind kind, StationValues& v);

}  // namespace recbook
