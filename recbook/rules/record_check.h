#pragma once
// The record check: whether a station record is fit for the co-ordination calculations and, if
// not, which form field to put right. The checks run in a fixed order and the first failure gives
// the error mark "NN,LL": NN the record form's edit box, LL the characters it selects. The two
// out-of-band frequency marks have six characters ("11,012", "34,012") so that the error search
// can tell them apart.
#include <cstdint>
#include <string>
#include <string_view>

#include "bilingual_texts.h"
#include "host.h"
#include "records/station_record.h"

namespace recbook {

// The editor's error search: 0 none running (a record saved from the form), 1 calculation errors
// only, 2 all errors. Mode 1 skips the checks of the "all" scope and stops after the antenna codes.
enum class ErrorSearchMode : uint8_t { None = 0, CalcErrors = 1, AllErrors = 2 };

// The checks in the order they run. CalcAzimuthRange and CalcElevationRange run in mode 1 only.
enum class Check : uint8_t {
  None,
  FrequencyMissing, FrequencyCategory, StationClass, ServiceNature, UseCategory, ChannelOccupation,
  NameMissing, CountryMissing, NameNotIntr, Longitude, Latitude, RadiusMissing, RadiusZeroMobile,
  RadiusPositiveFixed, EmissionMissing, BandwidthValue, EmissionClass, BandwidthCode, PowerNotBlank,
  PowerMissing, ReferenceAntenna, AzimuthNotBlank, AzimuthRange, CalcAzimuthRange, ElevationNotBlank,
  ElevationRange, CalcElevationRange, Polarisation, HeightNotThree, HeightBelowOne, PatternHNotOmni,
  PatternVNotOmni, PatternHCode, PatternVCode, Status, DatesMissing, TxOutOfBands, RxOutOfBands
};

struct CheckResult {
  Check check = Check::None;
  std::string_view mark;  // empty when the record passed
  bool ok() const { return mark.empty(); }
};

// Silent: no message, nothing waived (the file-wide error search).
CheckResult CheckRecord(const StationRecord& record, ErrorSearchMode mode);

// A person at the record form: each failure is shown in a message box (exclamation icon, title
// the caption prefix + " Error"); a waivable check asks "May I ignore it  ?" and Yes goes on with
// the next check.
struct CheckPrompt {
  quorla::Host& host;
  quorla::Language language;
  std::string_view captionPrefix;
};
CheckResult CheckRecord(const StationRecord& record, ErrorSearchMode mode, const CheckPrompt& prompt);

// The message of a failed check, lines joined with CR LF, in UTF-8 (record bytes read as Latin-1).
// The question of a waivable check is not part of it.
std::string CheckMessage(Check check, const StationRecord& record, quorla::Language language);
bool IsWaivable(Check check);

// The item tests the checks use.
// One half of [4C]: the 8 longitude or 7 latitude characters.
bool LongitudeValid(std::string_view text8);
bool LatitudeValid(std::string_view text7);
// A seven-character antenna pattern code AAATTBB.
bool AntennaCodeValid(std::string_view code7);

}  // namespace recbook
